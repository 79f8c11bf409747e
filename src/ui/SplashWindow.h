#pragma once

#include <QWidget>

namespace quintora {

class Language;

// frmSplash: the program's name and "Versione " + major.minor.revision while it starts.
// A key or a click closes it.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // With the program's own texts.
    explicit SplashWindow(QWidget* parent = nullptr);
    // With the texts of the chosen language.
    explicit SplashWindow(const Language& language, QWidget* parent = nullptr);

    // Every other window or box shown while the splash is up (a new version's announcement, a
    // first start's settings, an error box) would open under it, and the splash ignores
    // clicks: the splash closes first and the busy pointer goes, so the window can be used.
    void closeForOtherWindows();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace quintora
