#include "ui/common/contextmenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QWidget>

namespace velmora {

namespace {

void openMenu(QMenu *menu, const MenuRequest &request, const QPoint &globalPos,
              bool fromKeyboard)
{
    if (request && !request(globalPos, fromKeyboard))
        return;
    menu->popup(globalPos);
    if (fromKeyboard && !menu->actions().isEmpty())
        menu->setActiveAction(menu->actions().constFirst());
}

// Context-menu events that no control took reach the window; this opens the menu for them.
class ContextMenuFilter : public QObject {
public:
    ContextMenuFilter(QWidget *window, QMenu *menu, MenuRequest request)
        : QObject(window), m_menu(menu), m_request(std::move(request))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ContextMenu)
            return false;
        const auto *request = static_cast<QContextMenuEvent *>(event);
        openMenu(m_menu, m_request, request->globalPos(),
                 request->reason() != QContextMenuEvent::Mouse);
        return true;
    }

private:
    QMenu *m_menu;
    MenuRequest m_request;
};

} // namespace

void attachContextMenu(QWidget *window, QMenu *menu, MenuRequest request)
{
    window->installEventFilter(new ContextMenuFilter(window, menu, request));
    // The toolkit maps only the Menu key to a context-menu event, and not on every platform.
    auto *keys = new QAction(window);
    keys->setObjectName(QStringLiteral("openContextMenu"));
    keys->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    keys->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(keys, &QAction::triggered, window, [window, menu, request] {
        QWidget *anchor = window->focusWidget() ? window->focusWidget() : window;
        openMenu(menu, request, anchor->mapToGlobal(anchor->rect().center()), true);
    });
    window->addAction(keys);
}

} // namespace velmora
