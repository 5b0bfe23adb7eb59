#pragma once

#include <QStringList>
#include <QWidget>

class QAction;
class QLabel;
class QVBoxLayout;

namespace targello {

// The ways in while no page is open, in the middle of the empty frame:
// the wizard, an empty shop, a project of the user's, the sample shop and
// the projects opened last. Plain buttons: Tab reaches each of them, and a
// screen reader reads their texts.
class StartScreen : public QWidget {
    Q_OBJECT
public:
    // `area` is the frame's empty space, which the screen stays centred in.
    explicit StartScreen(QWidget& area);

    // The projects shown under "Ostatnio otwierane", most recent first.
    void showRecent(const QStringList& paths);
    const QStringList& recent() const { return recent_; }

signals:
    void wizardChosen();
    void emptyShopChosen();
    void openChosen();
    void sampleChosen();
    void recentChosen(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centre();

    QWidget& area_;
    QLabel* recentTitle_;
    QVBoxLayout* recentList_;
    QStringList recent_;
};

} // namespace targello
