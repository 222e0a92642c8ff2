#include "ui/lifecycle/lifecyclegraph.h"

#include "tests/ui/lifecycle/stagefixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;

Q_DECLARE_METATYPE(velmora::StageModel)
Q_DECLARE_METATYPE(velmora::ArcKind)
Q_DECLARE_METATYPE(velmora::ArcShape)

namespace {

// A fixed-pitch measure, so the geometry does not depend on the fonts installed.
QSizeF measure(const QString &text)
{
    return QSizeF(7.0 * text.size(), 14.0);
}

LifeCycleLayout layoutOf(const StageModel &model, int perRow = kStagesPerRow)
{
    return layoutLifeCycle(model, measure, perRow);
}

} // namespace

class TestLifeCycleGraph : public QObject {
    Q_OBJECT

private slots:
    void nodesInOrderAndRows_data();
    void nodesInOrderAndRows();
    void arcForEachEntry_data();
    void arcForEachEntry();
    void labelsClearOfNodesAndEachOther_data();
    void labelsClearOfNodesAndEachOther();
    void savesPictureOrNamesFile_data();
    void savesPictureOrNamesFile();
};

void TestLifeCycleGraph::nodesInOrderAndRows_data()
{
    QTest::addColumn<int>("stages");
    QTest::addColumn<int>("rows");
    QTest::addRow("one stage") << 1 << 1;
    QTest::addRow("turtle's seven") << 7 << 1;
    QTest::addRow("a full row") << 8 << 1;
    QTest::addRow("one over") << 9 << 2;
    QTest::addRow("twenty") << 20 << 3;
}

void TestLifeCycleGraph::nodesInOrderAndRows()
{
    QFETCH(int, stages);
    QFETCH(int, rows);
    StageModel model = emptyStageModel(stages);
    // A chain with a loop and a birth arc, so every row has something over and under it.
    for (int i = 0; i < stages; ++i) {
        model.U(i, i) = 0.5;
        if (i + 1 < stages)
            model.U(i + 1, i) = 0.25;
    }
    model.F(0, stages - 1) = 3;
    const LifeCycleLayout layout = layoutOf(model);
    QCOMPARE(layout.rows, rows);
    QCOMPARE(int(layout.nodes.size()), stages);
    for (int i = 0; i < stages; ++i) {
        const GraphNode &node = layout.nodes[size_t(i)];
        QCOMPARE(node.stage, i);
        QCOMPARE(node.row, i / kStagesPerRow);
        QVERIFY(QRectF(QPointF(), layout.size).contains(node.box));
        if (i == 0)
            continue;
        const GraphNode &before = layout.nodes[size_t(i - 1)];
        if (node.row == before.row) {
            QCOMPARE(node.box.top(), before.box.top());
            QVERIFY(node.box.left() > before.box.right());
        } else {
            QVERIFY(node.box.top() > before.box.bottom());
            QCOMPARE(node.box.left(), layout.nodes[0].box.left());
        }
    }
}

void TestLifeCycleGraph::arcForEachEntry_data()
{
    QTest::addColumn<char>("matrix");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("from");
    QTest::addColumn<ArcKind>("kind");
    QTest::addColumn<ArcShape>("shape");
    QTest::addRow("stasis") << 'U' << 1 << 1 << ArcKind::Stasis << ArcShape::LoopAbove;
    QTest::addRow("growth to the next") << 'U' << 2 << 1 << ArcKind::Growth << ArcShape::Straight;
    QTest::addRow("growth past the next") << 'U' << 3 << 0 << ArcKind::Growth << ArcShape::Above;
    QTest::addRow("retrogression") << 'U' << 0 << 2 << ArcKind::Retrogression << ArcShape::Below;
    QTest::addRow("births back") << 'F' << 0 << 3 << ArcKind::Reproduction << ArcShape::Below;
    QTest::addRow("births forward") << 'F' << 3 << 1 << ArcKind::Reproduction << ArcShape::Below;
    QTest::addRow("births into itself")
        << 'F' << 2 << 2 << ArcKind::Reproduction << ArcShape::LoopBelow;
    QTest::addRow("clonal") << 'C' << 1 << 2 << ArcKind::Clonal << ArcShape::Below;
    QTest::addRow("growth into the next row") << 'U' << 8 << 7 << ArcKind::Growth << ArcShape::Across;
    QTest::addRow("births from the next row")
        << 'F' << 0 << 9 << ArcKind::Reproduction << ArcShape::Across;
}

void TestLifeCycleGraph::arcForEachEntry()
{
    QFETCH(char, matrix);
    QFETCH(int, to);
    QFETCH(int, from);
    QFETCH(ArcKind, kind);
    QFETCH(ArcShape, shape);
    StageModel model = emptyStageModel(10);
    Eigen::MatrixXd &m = matrix == 'U' ? model.U : matrix == 'F' ? model.F : model.C;
    m(to, from) = 0.123456;
    const LifeCycleLayout layout = layoutOf(model);
    QCOMPARE(int(layout.arcs.size()), 1);
    const GraphArc &arc = layout.arcs[0];
    QCOMPARE(arc.from, from);
    QCOMPARE(arc.to, to);
    QCOMPARE(arc.kind, kind);
    QCOMPARE(arc.shape, shape);
    QCOMPARE(arc.label, QStringLiteral("0.1235"));
    QCOMPARE(layout.hasClonal, matrix == 'C');
    // The arrow runs from the source's node to the target's: its head touches the target.
    const QRectF source = layout.nodes[size_t(from)].box.adjusted(-1, -1, 1, 1);
    const QRectF target = layout.nodes[size_t(to)].box.adjusted(-1, -1, 1, 1);
    QVERIFY(source.contains(arc.path.pointAtPercent(0)));
    QVERIFY(target.contains(arc.path.pointAtPercent(1)));
    const QRectF bounds = arc.path.boundingRect();
    // Nodes of one row line up, so the source's box stands for the row.
    const QRectF row = layout.nodes[size_t(from)].box;
    switch (shape) {
    case ArcShape::LoopAbove:
    case ArcShape::Above:
        QVERIFY(bounds.bottom() <= row.top() + 0.01);
        QVERIFY(arc.labelBox.bottom() <= bounds.top() + 0.01);
        break;
    case ArcShape::LoopBelow:
    case ArcShape::Below:
        QVERIFY(bounds.top() >= row.bottom() - 0.01);
        QVERIFY(arc.labelBox.top() >= bounds.bottom() - 0.01);
        break;
    case ArcShape::Straight:
        QCOMPARE(bounds.height(), 0.0);
        break;
    case ArcShape::Across:
        QVERIFY(layout.nodes[size_t(from)].row != layout.nodes[size_t(to)].row);
        break;
    }
    QVERIFY(QRectF(QPointF(), layout.size).contains(arc.labelBox));
}

void TestLifeCycleGraph::labelsClearOfNodesAndEachOther_data()
{
    QTest::addColumn<StageModel>("model");
    QTest::addColumn<int>("entries");
    QTest::addRow("loggerhead turtle") << loggerheadTurtle() << 13;
    QTest::addRow("teasel") << teasel() << 17;
    // U, F and C between the same two stages: three arcs on one span.
    StageModel same = emptyStageModel(3);
    same.U(0, 2) = 0.1;
    same.F(0, 2) = 2;
    same.C(0, 2) = 0.5;
    same.F(0, 1) = 1;
    same.F(2, 2) = 1.5;
    same.U(2, 2) = 0.3;
    QTest::addRow("three kinds on one span") << same << 6;
    StageModel dense = emptyStageModel(5);
    dense.U.setConstant(0.2);
    dense.F.setConstant(1);
    QTest::addRow("every entry") << dense << 50;
    // Wrapped to three rows, births into stage 1 from the two later rows.
    StageModel twenty = emptyStageModel(20);
    for (int i = 0; i < 20; ++i) {
        twenty.U(i, i) = 0.55;
        if (i + 1 < 20)
            twenty.U(i + 1, i) = 0.3;
        if (i >= 12)
            twenty.F(0, i) = 2.5 + i;
    }
    QTest::addRow("twenty stages in three rows") << twenty << 20 + 19 + 8;
}

void TestLifeCycleGraph::labelsClearOfNodesAndEachOther()
{
    QFETCH(StageModel, model);
    QFETCH(int, entries);
    const LifeCycleLayout layout = layoutOf(model);
    QCOMPARE(int(layout.arcs.size()), entries);
    for (size_t i = 0; i < layout.arcs.size(); ++i) {
        const GraphArc &arc = layout.arcs[i];
        for (const GraphNode &node : layout.nodes)
            QVERIFY2(!arc.labelBox.intersects(node.box),
                     qPrintable(QStringLiteral("label %1 over node %2").arg(arc.label).arg(node.stage)));
        for (size_t j = 0; j < i; ++j)
            QVERIFY2(!arc.labelBox.intersects(layout.arcs[j].labelBox),
                     qPrintable(QStringLiteral("labels %1 (%2 to %3) and %4 (%5 to %6) overlap")
                                    .arg(arc.label).arg(arc.from).arg(arc.to)
                                    .arg(layout.arcs[j].label).arg(layout.arcs[j].from)
                                    .arg(layout.arcs[j].to)));
        QVERIFY(!arc.labelBox.intersects(layout.legendBox));
    }
}

void TestLifeCycleGraph::savesPictureOrNamesFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start"); // the file's first bytes; empty: refused
    QTest::addRow("svg") << QStringLiteral("graph.svg") << QByteArray("<?xml");
    QTest::addRow("SVG in capitals") << QStringLiteral("graph.SVG") << QByteArray("<?xml");
    QTest::addRow("png") << QStringLiteral("graph.png") << QByteArray("\x89PNG");
    QTest::addRow("no folder") << QStringLiteral("missing/graph.png") << QByteArray();
}

void TestLifeCycleGraph::savesPictureOrNamesFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(name);
    const auto problem =
        saveLifeCycleGraph(layoutLifeCycle(loggerheadTurtle(), fontMeasure(graphFont())),
                           graphFont(), fileName);
    if (start.isEmpty()) {
        QVERIFY(problem);
        QVERIFY(problem->contains(QDir::toNativeSeparators(fileName)));
        QVERIFY(!QFile::exists(fileName));
        return;
    }
    QVERIFY2(!problem, qPrintable(problem.value_or(QString())));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith(start));
    if (start == "<?xml")
        QVERIFY(bytes.contains("remigrants"));
}

QTEST_MAIN(TestLifeCycleGraph)
#include "tst_lifecyclegraph.moc"
