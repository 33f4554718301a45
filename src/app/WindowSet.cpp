#include "app/WindowSet.h"

#include "app/AboutWindow.h"
#include "app/MainWindow.h"
#include "ui/contacts/ContactInfoWindow.h"
#include "ui/contacts/ViewAllWindow.h"
#include "ui/transfer/ExportWindow.h"
#include "ui/transfer/ImportWindow.h"
#include <QCoreApplication>
#include <stdexcept>
#include <vector>

namespace app {

WindowSet::WindowSet(const platform::Services& services, contacts::BookSession& state)
    : m_services(services), m_state(state)
{
}

WindowSet::~WindowSet()
{
    // Windows are destroyed without their unload steps: the program is gone by now.
    m_ending = true;
    m_forms.clear();
}

std::unique_ptr<widgets::Form> WindowSet::create(session::WindowId id)
{
    using FormId = session::WindowId;
    switch (id) {
    case FormId::Main:
        return std::make_unique<MainWindow>(*this, m_services, m_state);
    case FormId::About:
        return std::make_unique<AboutWindow>(*this, m_services, m_state);
    case FormId::ContactInfo:
        return std::make_unique<contacts::ContactInfoWindow>(*this, m_services, m_state);
    case FormId::Export:
        return std::make_unique<transfer::ExportWindow>(*this, m_services, m_state);
    case FormId::Import:
        return std::make_unique<transfer::ImportWindow>(*this, m_services, m_state);
    case FormId::ViewAll:
        return std::make_unique<contacts::ViewAllWindow>(
            *this, [this]() -> contacts::ContactScreen& { return contactScreen(); }, m_services, m_state);
    case FormId::NewContact:
        break;
    }
    throw std::logic_error("WindowSet: this window is not part of the program");
}

widgets::Form& WindowSet::get(session::WindowId id)
{
    auto it = m_forms.find(id);
    if (it != m_forms.end())
        return *it->second;
    // Registered before its load step runs, so that the step (and anything it calls)
    // finds the window loaded instead of building a second one.
    widgets::Form& form = *m_forms.emplace(id, create(id)).first->second;
    QObject::connect(&form, &widgets::Form::closeClicked, [this, id] { unload(id); });
    form.load();
    return form;
}

session::MainScreen& WindowSet::mainScreen()
{
    return as<MainWindow>(session::WindowId::Main);
}

contacts::ContactScreen& WindowSet::contactScreen()
{
    return as<contacts::ContactInfoWindow>(session::WindowId::ContactInfo);
}

bool WindowSet::isLoaded(session::WindowId id) const
{
    return m_forms.count(id) != 0;
}

void WindowSet::unload(session::WindowId id)
{
    auto it = m_forms.find(id);
    if (it == m_forms.end())
        return;
    if (id == session::WindowId::Main) {
        m_ending = true;
        // Every other window first; their unload steps see that the program is ending and
        // show no window.
        std::vector<session::WindowId> others;
        for (const auto& entry : m_forms) {
            if (entry.first != id)
                others.push_back(entry.first);
        }
        for (session::WindowId other : others)
            unload(other);
    }
    widgets::Form* form = it->second.get();
    if (!form->runUnload())
        return;
    // The unload step may have unloaded other windows; look the window up again.
    it = m_forms.find(id);
    if (it == m_forms.end())
        return;
    std::unique_ptr<widgets::Form> gone = std::move(it->second);
    m_forms.erase(it);
    gone->hide();
    // The unload often runs inside one of the window's own handlers (its OK button, its
    // close box), so the window is destroyed once that handler has returned.
    gone.release()->deleteLater();

    if (id == session::WindowId::Main) {
        m_ended = true;
        QCoreApplication::quit();
    }
}

void WindowSet::start()
{
    widgets::Form& main = get(session::WindowId::Main);
    // Cancel in the start-up error box has ended the program already.
    if (!m_ended)
        main.showForm();
}

}  // namespace app
