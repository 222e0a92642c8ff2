#pragma once

#include <QWidget>

namespace velmora {

// The quiz picture: a question the student answers with the program.
class Quiz : public QWidget {
    Q_OBJECT

public:
    explicit Quiz(QWidget *parent = nullptr);

signals:
    void backClicked();
    // Emitted while the close box closes the window; the window is destroyed afterwards.
    void closedByCloseBox();

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace velmora
