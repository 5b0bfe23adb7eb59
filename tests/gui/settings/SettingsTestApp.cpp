#include "SettingsTestApp.h"

#include "gui/workspace/PageCanvas.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QImage>

namespace targello {

SettingsTestApp::SettingsTestApp() {
    const QDir source(QString::fromUtf8(TARGELLO_TEXTURE_DIR));
    QDir start(start_.path());
    start.mkdir(QStringLiteral("textury"));
    for (const QString& name : source.entryList({QStringLiteral("*.jpg")}, QDir::Files))
        QFile::copy(source.filePath(name), start.filePath(QStringLiteral("textury/") + name));
    workspace_ = std::make_unique<ShopWorkspace>(QDir::toNativeSeparators(start_.path()).toStdString());
}

SettingsTestApp::~SettingsTestApp() {
    windows_.clear();
}

PageWindow* SettingsTestApp::pageWindow(int slot) {
    auto found = windows_.find(slot);
    return found != windows_.end() ? found->second.get() : nullptr;
}

PageWindow* SettingsTestApp::currentPageWindow() {
    return pageWindow(workspace_->CurrentPage());
}

PageWindow* SettingsTestApp::newPage() {
    ShopPage* page = workspace_->NewPage(edited_.Values);
    if (page == nullptr)
        return nullptr;
    auto window = std::make_unique<PageWindow>(*this, *page);
    PageWindow* shown = window.get();
    windows_[page->PageIndex()] = std::move(window);
    return shown;
}

void Choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

QString ColorName(const QColor& color) {
    return color.name(QColor::HexRgb).toUpper();
}

QColor PagePixel(AppContext& app, QPoint point) {
    auto* canvas = app.currentPageWindow()->findChild<PageCanvas*>();
    canvas->flush();
    QImage image(canvas->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    canvas->render(&image);
    return image.valid(point) ? QColor(image.pixel(point)) : QColor();
}

void Activate(QWidget* window) {
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(window, &event);
}

void Deactivate(QWidget* window) {
    QEvent event(QEvent::WindowDeactivate);
    QApplication::sendEvent(window, &event);
}

} // namespace targello
