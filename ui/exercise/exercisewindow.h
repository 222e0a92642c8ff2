#pragma once

#include "exercise/exercise.h"
#include "modelfile/modelfile.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class Dialogs;

// The "Exercise" window of a model file that holds an exercise: the student types a name, the
// model with the student's own numbers is handed on, and each question gets an answer field;
// "Check" marks them and counts the tries, "Save answers..." writes the answers file.
class ExerciseWindow : public QWidget {
    Q_OBJECT

public:
    // `read` holds an exercise.
    ExerciseWindow(const ModelFileRead &read, Dialogs &dialogs, QWidget *parent = nullptr);

    const ExerciseBlock &block() const { return m_block; }
    // Whether a name was taken: the questions can be answered.
    bool started() const { return m_sheet.has_value(); }

    // Takes the typed name: draws the student's numbers and sends the model on.
    void start();
    // Marks every answer changed since it was last marked, one try each.
    void check();
    void saveAnswers();

signals:
    // The student's model, to go into the main window or the Life cycle window.
    void studentModelReady(const velmora::ModelFileRead &model);
    void closedByCloseBox(); // the window is destroyed afterwards

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct Row {
        QLineEdit *edit = nullptr;    // a number, a list or a word
        QComboBox *choice = nullptr;  // a stage or a verdict
        QLabel *mark = nullptr;
        int tries = 0;
        std::optional<Mark> marked;
        QString markedAnswer; // the answer the mark is of
    };

    QString answerText(const Row &row) const;
    void showMark(int index);
    void showScore();

    ModelFileRead m_read;
    Dialogs &m_dialogs;
    ExerciseBlock m_block;
    std::optional<ExerciseSheet> m_sheet;
    std::vector<Row> m_rows;
    QLineEdit *m_name = nullptr;
    QPushButton *m_start = nullptr;
    QLabel *m_score = nullptr;
    QPushButton *m_check = nullptr;
    QPushButton *m_save = nullptr;
};

} // namespace velmora
