#pragma once

#include <QWidget>

namespace velmora {

// The dedication at the very end; its button and its close box both end the program.
class Vater : public QWidget {
    Q_OBJECT

public:
    explicit Vater(QWidget *parent = nullptr);

signals:
    void endRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace velmora
