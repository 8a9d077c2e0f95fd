// The update check's thread.

#include "update/CheckForUpdateThread.h"

#include "app/App.h"
#include "app/MakerWebAddress.h"
#include "framework/HTTPSocket.h"
#include "framework/System.h"
#include "framework/Text.h"
#include "plugin/ApplicationExtensions.h"

namespace keyhop {

void CheckForUpdateThread::Event_Run() {
    const auto socket = framework::HTTPSocket::create();
    if (!socket) {
        return;
    }
    const std::string applicationName = plugin::ApplicationNameMBS(app());
    const std::string versionText = app().versionText();
    socket->SetRequestHeader("User-Agent", applicationName);
    socket->Yield = true;
    const std::string url = makerWebAddress + "/" +
                            framework::Lowercase(framework::ReplaceAll(applicationName, " ", "")) +
                            "/version.txt";
    const std::string reply = socket->Get(url, 0);
    // Only the version file itself counts: an error page or a redirection
    // may name the application too. Any good reply that names it without the
    // running version announces a new one; so 1.10 is no news to a running 1.1.
    if (socket->HTTPStatusCode() == 200 && framework::InStr(reply, applicationName) > 0 &&
        framework::InStr(reply, versionText) == 0) {
        // Texts are looked up and messages shown on the main thread only.
        runOnMainThread([applicationName] {
            app().displayMessage(framework::Replace(NewVersionAvailableMessage(),
                                                    "%APPLICATIONNAME%", applicationName));
        });
    }
}

std::string CheckForUpdateThread::NewVersionAvailableMessage() {
    return framework::System::GetLocalizedString(
        "CheckForUpdateThread.NewVersionAvailableMessage",
        "Update notification\r\rA new version of %APPLICATIONNAME% is available online.\r"
        "You can download it right now from our website.");
}

} // namespace keyhop
