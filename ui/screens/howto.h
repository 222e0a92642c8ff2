#pragma once

#include <QWidget>

namespace velmora {

// The how-to page: one line per command of the main window.
class Howto : public QWidget {
    Q_OBJECT

public:
    explicit Howto(QWidget *parent = nullptr);

signals:
    void okClicked();
    // Emitted while the close box closes the window; the window is destroyed afterwards.
    void closedByCloseBox();

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace velmora
