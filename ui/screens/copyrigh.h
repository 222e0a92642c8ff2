#pragma once

#include "ui/screens/yearclock.h"

#include <QWidget>

namespace velmora {

// The closing notice: rights, how to cite the program and where to get new versions.
// Its years run to the clock's year at the moment the window is created.
class copyrigh : public QWidget {
    Q_OBJECT

public:
    explicit copyrigh(const YearClock &clock = systemYear, QWidget *parent = nullptr);

signals:
    // Go on to the dedication.
    void okClicked();
    // Emitted while the close box closes the window (the quit is abandoned); the window is
    // destroyed afterwards.
    void closedByCloseBox();

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace velmora
