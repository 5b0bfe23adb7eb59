#include "gui/app/AboutBox.h"

#include "gui/common/Artwork.h"
#include "gui/platform/Platform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace targello {

const char* const AboutBox::WebAddress = "https://www.targello.pl";
const char* const AboutBox::MailAddress = "kontakt@targello.pl";

AboutBox::AboutBox(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Informacje o programie Targello wer. 1.2"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setGeometry(0, 0, 128, 160);
    picture->setPixmap(QPixmap::fromImage(Artwork::aboutPicture()));

    // The texts take the room the desktop's font needs: the box keeps its
    // size where they fit and grows only where they would be cut.
    auto* column = new QWidget(this);
    auto* texts = new QVBoxLayout(column);
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(4);
    texts->addWidget(new QLabel(QStringLiteral("<b>Targello</b> wer. 1.2"), column));
    auto* description =
        new QLabel(QStringLiteral("Program do tworzenia sklepów internetowych w jednym pliku HTML: "
                                  "koszyk działa w przeglądarce, a zamówienie trafia pocztą e-mail."),
                   column);
    description->setWordWrap(true);
    texts->addWidget(description);
    auto* rights = new QLabel(QStringLiteral("© 2026 Zespół Targello. Wszelkie prawa zastrzeżone."), column);
    rights->setObjectName(QStringLiteral("Copyright"));
    rights->setWordWrap(true);
    texts->addWidget(rights);
    auto* addresses = new QHBoxLayout;
    addresses->setSpacing(12);
    addresses->addWidget(link(QStringLiteral("www.targello.pl"), QString::fromLatin1(WebAddress), column));
    addresses->addWidget(link(QString::fromLatin1(MailAddress),
                              QStringLiteral("mailto:") + QString::fromLatin1(MailAddress), column));
    addresses->addStretch();
    texts->addLayout(addresses);
    texts->addWidget(link(QStringLiteral("Napisz do nas o nowej wersji"),
                          QStringLiteral("mailto:") + QString::fromLatin1(MailAddress) +
                              QStringLiteral("?subject=Targello%201.2"),
                          column));
    texts->addStretch();

    constexpr int Left = 140;
    constexpr int Margin = 8;
    constexpr int ButtonHeight = 25;
    const QSize designed(451, 188);
    const int columnWidth = designed.width() - Left - Margin;
    const int columnHeight = qMax(designed.height() - 2 * Margin, texts->totalHeightForWidth(columnWidth));
    column->setGeometry(Left, Margin, columnWidth, columnHeight);
    setFixedSize(designed.width(), qMax(designed.height(), columnHeight + 2 * Margin));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(8, height() - ButtonHeight - 3, 121, ButtonHeight);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
}

QWidget* AboutBox::link(const QString& text, const QString& target, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), parent);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    // Tab reaches the link; a frame in the highlight colour shows it, much
    // plainer than the dotted line Qt draws round a focused link.
    label->setStyleSheet(QStringLiteral("QLabel { border: 2px solid transparent; }"
                                        "QLabel:focus { border-color: palette(highlight); }"));
    label->setToolTip(target);
    connect(label, &QLabel::linkActivated, this, [this, target] { platform_.openInShell(target); });
    return label;
}

} // namespace targello
