#include "SettingsTestApp.h"

#include "gui/workspace/PageCanvas.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QImage>

namespace targello {

SettingsTestApp::SettingsTestApp() : TestAppContext(Pages::Hidden) {
    copyTextures(QString::fromUtf8(TARGELLO_TEXTURE_DIR));
}

void Choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

QString ColorName(const QColor& color) {
    return color.name(QColor::HexRgb).toUpper();
}

QColor PagePixel(TestAppContext& app, QPoint point) {
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
