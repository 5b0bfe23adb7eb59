#include "gui/app/StartScreen.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace targello {

namespace {

// Most people name a recent project by its file; the whole path is its tip.
constexpr int ShownRecent = 5;

QPushButton* Choice(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(text);
    button->setAutoDefault(true);
    button->setMinimumWidth(280);
    return button;
}

} // namespace

StartScreen::StartScreen(QWidget& area) : QWidget(&area), area_(area) {
    setObjectName(QStringLiteral("StartScreen"));
    setAccessibleName(QStringLiteral("Jak zacząć"));
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    // Plain text in the window's own font: a bold or rich one would load a
    // second font at start-up, which costs more than the whole screen.
    auto* title = new QLabel(QStringLiteral("Jak chcesz zacząć?"), this);
    title->setTextFormat(Qt::PlainText);
    layout->addWidget(title);
    const struct {
        const char* text;
        const char* name;
        void (StartScreen::*chosen)();
    } choices[] = {
        {"Nowy sklep z kreatorem", "StartKreator", &StartScreen::wizardChosen},
        {"Nowy pusty sklep", "StartPusty", &StartScreen::emptyShopChosen},
        {"Otwórz projekt", "StartOtworz", &StartScreen::openChosen},
        {"Otwórz przykładowy sklep", "StartPrzyklad", &StartScreen::sampleChosen},
    };
    for (const auto& choice : choices) {
        QPushButton* button = Choice(QString::fromUtf8(choice.text), QString::fromLatin1(choice.name), this);
        connect(button, &QPushButton::clicked, this, choice.chosen);
        layout->addWidget(button);
    }
    recentTitle_ = new QLabel(QStringLiteral("Ostatnio otwierane:"), this);
    recentTitle_->hide();
    layout->addSpacing(8);
    layout->addWidget(recentTitle_);
    recentList_ = new QVBoxLayout;
    layout->addLayout(recentList_);
    area.installEventFilter(this);
    centre();
}

void StartScreen::showRecent(const QStringList& paths) {
    const QStringList shown = paths.mid(0, ShownRecent);
    if (shown == recent_)
        return;
    recent_ = shown;
    while (QLayoutItem* item = recentList_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (int k = 0; k < recent_.size(); ++k) {
        const QString path = recent_[k];
        QPushButton* button =
            Choice(QFileInfo(path).fileName(), QStringLiteral("StartOstatni%1").arg(k + 1), this);
        button->setToolTip(path);
        button->setAccessibleDescription(path);
        connect(button, &QPushButton::clicked, this, [this, path] { emit recentChosen(path); });
        recentList_->addWidget(button);
    }
    recentTitle_->setVisible(!recent_.isEmpty());
    adjustSize();
    centre();
}

bool StartScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &area_ && event->type() == QEvent::Resize)
        centre();
    return QWidget::eventFilter(watched, event);
}

void StartScreen::centre() {
    adjustSize();
    move(std::max(0, (area_.width() - width()) / 2), std::max(0, (area_.height() - height()) / 3));
}

} // namespace targello
