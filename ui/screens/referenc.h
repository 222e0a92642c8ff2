#pragma once

#include <QWidget>

namespace velmora {

// The references behind the introduction. A click on the window's own background (not on
// its text) counts as a way back, like "OK".
class Referenc : public QWidget {
    Q_OBJECT

public:
    explicit Referenc(QWidget *parent = nullptr);

signals:
    void okClicked();
    void backgroundClicked();
    // Emitted while the close box closes the window; the window is destroyed afterwards.
    void closedByCloseBox();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};

} // namespace velmora
