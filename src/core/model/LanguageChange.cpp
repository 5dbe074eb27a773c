#include "LanguageChange.h"

#include <QCoreApplication>
#include <QEvent>

namespace tolvaran {

namespace {

class LanguageChangeFilter : public QObject
{
public:
    LanguageChangeFilter(QObject* owner, std::function<void()> handler)
        : QObject(owner)
        , m_handler(std::move(handler))
    { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
            m_handler();
        return false;
    }

private:
    std::function<void()> m_handler;
};

} // namespace

void onLanguageChange(QObject* owner, std::function<void()> handler)
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(new LanguageChangeFilter(owner, std::move(handler)));
}

} // namespace tolvaran
