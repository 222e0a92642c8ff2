#include "ui/exercise/exercisewindow.h"

#include "exercise/answersfile.h"
#include "base/numbertext.h"
#include "ui/common/dialogs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QVBoxLayout>

namespace velmora {

namespace {

// A choice of a question answered by choosing: the answer the sheet marks and saves (the same
// in every language) and the words the student reads.
struct Choice {
    QString answer;
    QString shown;
};

// The questions answered by a choice, and their choices; empty: typed.
std::vector<Choice> choicesFor(const ExerciseQuestion &question, const StageModel &model)
{
    if (question.asks.endsWith(QLatin1String(".verdict"))) {
        //: A choice of answer: the population grows, falls or holds.
        return {{QStringLiteral("grows"), ExerciseWindow::tr("grows")},
                {QStringLiteral("falls"), ExerciseWindow::tr("falls")},
                {QStringLiteral("holds"), ExerciseWindow::tr("holds")}};
    }
    if (question.asks == QLatin1String("largestElasticity.stage")) {
        std::vector<Choice> stages;
        for (const std::string &stage : model.stages)
            stages.push_back({QString::fromStdString(stage), QString::fromStdString(stage)});
        return stages;
    }
    return {};
}

QString escapedMnemonic(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }

} // namespace

ExerciseWindow::ExerciseWindow(const ModelFileRead &read, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent)
    , m_read(read)
    , m_dialogs(dialogs)
    , m_block(read.exercise.value_or(ExerciseBlock{}))
{
    setObjectName(QStringLiteral("exerciseWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Exercise: %1").arg(m_block.title));

    auto *layout = new QVBoxLayout(this);
    auto *nameRow = new QHBoxLayout;
    auto *nameLabel = new QLabel(tr("Your &name or number:"), this);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("studentName"));
    m_name->setMaxLength(kStudentNameMaxLength);
    m_name->setAccessibleName(tr("Your name or number"));
    nameLabel->setBuddy(m_name);
    m_start = new QPushButton(tr("S&tart"), this);
    m_start->setObjectName(QStringLiteral("start"));
    m_start->setAccessibleDescription(tr("Draws your own numbers and puts the model in place"));
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(m_start);
    layout->addLayout(nameRow);
    connect(m_start, &QPushButton::clicked, this, &ExerciseWindow::start);
    connect(m_name, &QLineEdit::returnPressed, this, &ExerciseWindow::start);

    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto *questions = new QWidget(scroll);
    auto *grid = new QGridLayout(questions);
    grid->setColumnStretch(0, 1);
    const StageModel stages = read.ok() ? read.asStageModel().model : StageModel{};
    for (size_t i = 0; i < m_block.questions.size(); ++i) {
        const ExerciseQuestion &question = m_block.questions[i];
        const int line = int(i) * 2;
        const QString number = QString::number(i + 1);
        // The first nine questions get a key of their own.
        auto *text = new QLabel((i < 9 ? QStringLiteral("&") : QString()) + number + QStringLiteral(". ")
                                    + escapedMnemonic(question.text),
                                questions);
        text->setWordWrap(true);
        Row row;
        QWidget *field = nullptr;
        const std::vector<Choice> choices = choicesFor(question, stages);
        if (choices.empty()) {
            row.edit = new QLineEdit(questions);
            row.edit->setMaxLength(kAnswerMaxLength);
            field = row.edit;
        } else {
            row.choice = new QComboBox(questions);
            for (const Choice &choice : choices)
                row.choice->addItem(choice.shown, choice.answer);
            row.choice->setPlaceholderText(tr("Choose"));
            row.choice->setCurrentIndex(-1);
            field = row.choice;
        }
        field->setObjectName(QStringLiteral("answer_") + QString::number(i));
        field->setAccessibleName(tr("Answer to question %1").arg(number));
        field->setAccessibleDescription(question.text);
        field->setEnabled(false);
        text->setBuddy(field);
        row.mark = new QLabel(questions);
        row.mark->setObjectName(QStringLiteral("mark_") + QString::number(i));
        row.mark->setWordWrap(true);
        row.mark->setAccessibleName(tr("Mark of question %1").arg(number));
        grid->addWidget(text, line, 0, 1, 2);
        grid->addWidget(field, line + 1, 0);
        grid->addWidget(row.mark, line + 1, 1);
        m_rows.push_back(row);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(int(m_block.questions.size()) * 2, 1);
    scroll->setWidget(questions);
    layout->addWidget(scroll, 1);

    auto *bottom = new QHBoxLayout;
    m_score = new QLabel(this);
    m_score->setObjectName(QStringLiteral("score"));
    m_score->setAccessibleName(tr("Score"));
    m_check = new QPushButton(tr("&Check"), this);
    m_check->setObjectName(QStringLiteral("check"));
    m_save = new QPushButton(tr("Sa&ve answers..."), this);
    m_save->setObjectName(QStringLiteral("saveAnswers"));
    m_check->setEnabled(false);
    m_save->setEnabled(false);
    bottom->addWidget(m_score, 1);
    bottom->addWidget(m_check);
    bottom->addWidget(m_save);
    layout->addLayout(bottom);
    connect(m_check, &QPushButton::clicked, this, &ExerciseWindow::check);
    connect(m_save, &QPushButton::clicked, this, &ExerciseWindow::saveAnswers);
    resize(540, 640);
}

void ExerciseWindow::start()
{
    if (m_sheet)
        return;
    const QString name = m_name->text();
    const QString problem = studentNameProblem(name);
    if (!problem.isEmpty()) {
        m_dialogs.message(this, tr("Exercise"), problem, QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    ExerciseSheet sheet = exerciseSheet(m_read, name);
    if (!sheet.model.problem.isEmpty()) {
        m_dialogs.message(this, tr("Exercise"),
                          tr("Your numbers break a rule of the model: %1\nTell your teacher.")
                              .arg(sheet.model.problem),
                          QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    m_sheet = std::move(sheet);
    // One name a sheet: trying other names for other numbers would be a way round the tries.
    m_name->setReadOnly(true);
    m_start->setEnabled(false);
    for (size_t i = 0; i < m_rows.size(); ++i) {
        Row &row = m_rows[i];
        (row.edit ? static_cast<QWidget *>(row.edit) : row.choice)->setEnabled(true);
        // A list is typed in one field; its length tells the student what is asked.
        const Figure &figure = m_sheet->answers[i];
        if (row.edit && figure.kind == Figure::Kind::Numbers)
            row.edit->setPlaceholderText(tr("%n number(s) apart by blanks", nullptr,
                                            int(figure.numbers.size())));
    }
    m_check->setEnabled(true);
    m_save->setEnabled(true);
    showScore();
    emit studentModelReady(m_sheet->model);
    if (!m_rows.empty())
        (m_rows.front().edit ? static_cast<QWidget *>(m_rows.front().edit) : m_rows.front().choice)
            ->setFocus();
}

QString ExerciseWindow::answerText(const Row &row) const
{
    return row.edit ? row.edit->text().trimmed() : row.choice->currentData().toString();
}

void ExerciseWindow::check()
{
    if (!m_sheet)
        return;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        Row &row = m_rows[i];
        const QString answer = answerText(row);
        const bool locked = row.marked == Mark::Right || row.tries >= m_block.maxTries;
        // An unchanged answer is not another try.
        if (locked || answer.isEmpty() || (row.marked && answer == row.markedAnswer))
            continue;
        ++row.tries;
        row.marked = markAnswer(m_sheet->answers[i], answer, m_block.questions[i]);
        row.markedAnswer = answer;
        showMark(int(i));
    }
    showScore();
}

void ExerciseWindow::showMark(int index)
{
    Row &row = m_rows[size_t(index)];
    const ExerciseQuestion &question = m_block.questions[size_t(index)];
    QString text;
    switch (*row.marked) {
    case Mark::Right:
        text = tr("Right.");
        break;
    case Mark::Close:
        text = tr("Close: check your rounding.");
        break;
    case Mark::Wrong:
        text = question.hint.isEmpty() ? tr("Wrong.") : tr("Wrong. Hint: %1").arg(question.hint);
        break;
    }
    const bool lastTry = row.tries >= m_block.maxTries && row.marked != Mark::Right;
    text += QLatin1Char(' ')
            + (lastTry ? tr("No tries left: this answer stays as it is.")
                       : tr("Try %1 of %2.").arg(row.tries).arg(m_block.maxTries));
    row.mark->setText(text);
    row.mark->setAccessibleDescription(text);
    if (row.marked == Mark::Right || lastTry)
        (row.edit ? static_cast<QWidget *>(row.edit) : row.choice)->setEnabled(false);
}

void ExerciseWindow::showScore()
{
    std::vector<Mark> marks;
    for (const Row &row : m_rows)
        marks.push_back(row.marked.value_or(Mark::Wrong));
    const QString text = tr("Score: %1 of %2")
                             .arg(QString::fromStdString(numberText(sheetScore(m_block, marks))),
                                  QString::fromStdString(numberText(sheetPoints(m_block))));
    m_score->setText(text);
    m_score->setAccessibleDescription(text);
}

void ExerciseWindow::saveAnswers()
{
    if (!m_sheet)
        return;
    std::vector<StoredAnswer> answers;
    for (const Row &row : m_rows)
        answers.push_back({row.markedAnswer, row.marked, row.tries});
    QString base = foldedStudentName(m_sheet->student);
    base.replace(QRegularExpression(QStringLiteral("[^\\w-]+")), QStringLiteral("-"));
    const QString proposed =
        QDir::home().filePath(base + QLatin1Char('.') + QLatin1String(kAnswersFileSuffix));
    const QString chosen =
        m_dialogs.saveFileName(this, proposed, {QLatin1String(kAnswersFileSuffix), true});
    if (chosen.isEmpty())
        return;
    if (const auto problem = writeAnswersFile(chosen, answersDocument(*m_sheet, answers)))
        m_dialogs.message(this, tr("Save answers"),
                          tr("The answers were not saved: %1").arg(*problem), QMessageBox::Ok,
                          QMessageBox::Warning);
}

void ExerciseWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closedByCloseBox();
}

} // namespace velmora
