#pragma once

#include "session/Session.h"
#include "session/Windows.h"
#include "widgets/Form.h"
#include "platform/Services.h"

#include <memory>

namespace Ui {
class AboutWindowForm;
}

namespace app {

// The About window frmQzAbout: the program's name, version and purpose; OK closes it.
class AboutWindow : public widgets::Form {
    Q_OBJECT
public:
    AboutWindow(session::Windows& windows, const platform::Services& services, session::Session& state,
                QWidget* parent = nullptr);
    ~AboutWindow() override;

private:
    void cmdOK_Click();

    session::Windows& m_windows;
    std::unique_ptr<Ui::AboutWindowForm> m_ui;
};

}  // namespace app
