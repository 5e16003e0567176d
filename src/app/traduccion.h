#pragma once

// Loads Qt's own Spanish texts (question-box buttons, file and colour dialogs, the text
// boxes' menu) whatever the system's language, since every text of the program is
// Spanish. False when the translation is not installed (package qt6-translations-l10n);
// Qt then stays in English.
bool instalarTraduccionQt();
