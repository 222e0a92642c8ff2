#pragma once

#include "ui/screens/titleanimation.h"

#include <QWidget>

#include <array>

class QLabel;
class QTimer;

namespace velmora {

// The animated title screen. Its timer starts at creation and ticks for the rest of the run;
// each tick shows one of the eight title labels. The screen does not leave by itself: it
// tells the navigation through its signals.
class titlform : public QWidget {
    Q_OBJECT

public:
    explicit titlform(QWidget *parent = nullptr);

public slots:
    // One animation step: hide the label the last tick showed, show the one drawn now.
    void Timer1_Timer();

signals:
    // A click, a character key or a close request: go on to the picture screen.
    void leaveForPicture();
    // A double click on the hint label: go straight to the main window.
    void leaveForMain();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void useGreekWithoutSymbolFace();

    std::array<QLabel *, TitleAnimation::kLabels> m_Label1{};
    QLabel *m_Label2 = nullptr;
    QTimer *m_Timer1 = nullptr;
    TitleAnimation m_animation;
    bool m_symbolFaceChecked = false;
};

} // namespace velmora
