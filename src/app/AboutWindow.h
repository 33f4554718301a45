#pragma once

#include "contacts/AppState.h"
#include "platform/Form.h"
#include "platform/Services.h"

namespace app {

// The About window frmQzAbout: the program's name, version and purpose; OK closes it.
class AboutWindow : public platform::Form {
    Q_OBJECT
public:
    AboutWindow(platform::Forms& forms, const platform::Services& services, contacts::AppState& state,
                QWidget* parent = nullptr);
    ~AboutWindow() override;

private:
    void cmdOK_Click();
};

}  // namespace app
