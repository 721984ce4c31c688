#pragma once
#include <QString>

class QWidget;

// The maker's addresses and the support e-mail offered by both programs'
// Help menus: a message to the maker with the running program's name,
// version and build in its subject, opened in the user's mail program.
namespace support {

QString MakerWebAddress();
// The users' group page (its path is "/group/VE817-Corvane").
QString UserGroupAddress();
QString SupportAddress();
// The maker's first name, as the greeting of the prepared body uses it.
QString GreetingName();
// The page of the sound-card interface maker.
QString SoundcardInterfaceAddress();
// The speech engine's download pages: its reader and its text-to-speech part.
QString SpeechReaderAddress();
QString SpeechEngineAddress();

// The support e-mail, under the wait cursor; the mail program's failures
// are reported in its own message boxes.
void SendSupportMail(QWidget* pOwner);

} // namespace support
