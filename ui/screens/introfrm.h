#pragma once

#include <QWidget>

namespace velmora {

// The introduction to the model: one scrolling paragraph and the way to the references.
class Introfrm : public QWidget {
    Q_OBJECT

public:
    explicit Introfrm(QWidget *parent = nullptr);

signals:
    void okClicked();
    void referencesClicked();
    // Emitted while the close box closes the window; the window is destroyed afterwards.
    void closedByCloseBox();

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace velmora
