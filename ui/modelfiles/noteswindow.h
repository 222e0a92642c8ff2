#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

// "About this model": the title and the notes of the model opened last, in a small window over
// the main window. It stays with the main window: hidden when that is hidden, reopened from
// its menu.
class NotesWindow : public QWidget {
    Q_OBJECT

public:
    explicit NotesWindow(QWidget *mainWindow);

    void showModel(const QString &title, const QString &notes);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_title = nullptr;
    QPlainTextEdit *m_notes = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace velmora
