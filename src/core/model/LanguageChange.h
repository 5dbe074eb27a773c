#pragma once

#include <QObject>

#include <functional>

namespace tolvaran {

// Calls handler whenever the program's translations change (Qt sends the
// application a LanguageChange event for every translator put in or taken
// out), for as long as owner lives. Objects that hand translated texts to the
// views use it to announce those texts anew.
void onLanguageChange(QObject* owner, std::function<void()> handler);

} // namespace tolvaran
