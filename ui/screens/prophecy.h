#pragma once

#include <QWidget>

namespace velmora {

// The picture screen shown after the title screen: one centred picture on white.
class Prophecy : public QWidget {
    Q_OBJECT

public:
    explicit Prophecy(QWidget *parent = nullptr);

signals:
    // A click, a character key or a close request: go on to the main window.
    void leave();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};

} // namespace velmora
