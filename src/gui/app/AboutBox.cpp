#include "gui/app/AboutBox.h"

#include "gui/app/Artwork.h"
#include "gui/platform/Platform.h"

#include <QLabel>
#include <QPushButton>

namespace targello {

const char* const AboutBox::WebAddress = "https://www.targello.pl";
const char* const AboutBox::MailAddress = "kontakt@targello.pl";

AboutBox::AboutBox(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Informacje o programie Targello wer. 1.2"));
    setFixedSize(451, 188);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setGeometry(0, 0, 128, 160);
    picture->setPixmap(QPixmap::fromImage(Artwork::aboutPicture()));

    auto* title = new QLabel(QStringLiteral("<b>Targello</b> wer. 1.2"), this);
    title->setGeometry(144, 12, 290, 22);
    auto* description =
        new QLabel(QStringLiteral("Program do tworzenia sklepów internetowych w jednym pliku HTML: "
                                  "koszyk działa w przeglądarce, a zamówienie trafia pocztą e-mail."),
                   this);
    description->setWordWrap(true);
    description->setGeometry(144, 36, 290, 48);
    auto* rights = new QLabel(QStringLiteral("© 2026 Zespół Targello. Wszelkie prawa zastrzeżone."), this);
    rights->setObjectName(QStringLiteral("Copyright"));
    rights->setGeometry(144, 88, 290, 20);

    link(QStringLiteral("www.targello.pl"), QString::fromLatin1(WebAddress))->setGeometry(144, 112, 140, 20);
    link(QString::fromLatin1(MailAddress), QStringLiteral("mailto:") + QString::fromLatin1(MailAddress))
        ->setGeometry(290, 112, 150, 20);
    link(QStringLiteral("Napisz do nas o nowej wersji"), QStringLiteral("mailto:") +
                                                             QString::fromLatin1(MailAddress) +
                                                             QStringLiteral("?subject=Targello%201.2"))
        ->setGeometry(144, 136, 290, 20);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(8, 160, 121, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
}

QWidget* AboutBox::link(const QString& text, const QString& target) {
    auto* label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), this);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setToolTip(target);
    connect(label, &QLabel::linkActivated, this, [this, target] { platform_.openInShell(target); });
    return label;
}

} // namespace targello
