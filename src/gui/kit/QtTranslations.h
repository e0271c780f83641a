#pragma once
#include "localization/TextCis.h"

namespace morvik {

// Makes Qt's own texts (the buttons and titles of the file, colour and message dialogs, the context menus of
// the fields) follow the program's language: Qt's Czech translations are loaded for Czech and dropped for
// English. Without the translations installed Qt stays English.
void FollowLanguageInQt(Language language);

// True while Qt's texts are translated into Czech.
bool QtSpeaksCzech();

}  // namespace morvik
