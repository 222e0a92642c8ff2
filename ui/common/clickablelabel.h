#pragma once

#include <QLabel>

namespace velmora {

// A label or picture that acts on a click, like the arrow images of the main window.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace velmora
