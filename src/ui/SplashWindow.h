#pragma once

#include <QWidget>

namespace quintora {

// frmSplash: the program's name and "Versione " + major.minor.revision while it starts.
// A key or a click closes it.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace quintora
