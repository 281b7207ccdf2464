#pragma once

// Qt's own texts (message-box buttons, the printer and file dialogs) in
// Korean, from the translations installed with Qt. The program's own captions
// are Korean already. False when the translation is not installed: the
// standard texts then stay English.
bool InstallQtTranslation();
