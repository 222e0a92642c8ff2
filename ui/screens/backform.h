#pragma once

#include <QColor>
#include <QWidget>

namespace velmora {

// The full-screen backdrop behind every other window for the whole run. It takes no input,
// never comes to the front and ignores close requests; its colour marks the program's phase.
class Backform : public QWidget {
    Q_OBJECT

public:
    explicit Backform(QWidget *parent = nullptr);

    void setBackgroundColour(const QColor &colour);
    QColor backgroundColour() const;

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace velmora
