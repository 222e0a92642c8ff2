#include "ui/common/fontwarmup.h"

#include <QFontDatabase>
#include <QStringList>

namespace velmora {

// Qt guards its font database with a lock: a window that needs a font before the database is
// filled waits for this thread instead of filling it a second time.
FontWarmUp::FontWarmUp()
    : m_thread([] { QFontDatabase::families(); })
{
}

FontWarmUp::~FontWarmUp()
{
    m_thread.join();
}

} // namespace velmora
