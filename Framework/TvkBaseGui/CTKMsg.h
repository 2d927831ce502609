#pragma once

#include "HostApi/Interfaces.h"
#include "TvkApi.h"

// The state of one menu item, as a command-update handler sets it.
class TVK_API CCmdUI {
public:
    explicit CCmdUI(UINT id) : m_nID(id) {}
    void Enable(BOOL on = 1) { m_bEnabled = on != 0; }
    void SetCheck(int check = 1) { m_nCheck = check; }
    UINT m_nID;
    bool m_bEnabled = true;
    int m_nCheck = 0;
};

// Base of the menu groups. The host gives menu commands by their dialog identifiers, which serve as
// command identifiers too.
class TVK_API CTKMsg {
public:
    explicit CTKMsg(IGlobal* global) : m_pGlobal(global) {}
    virtual ~CTKMsg() = default;
    CTKMsg(const CTKMsg&) = delete;
    CTKMsg& operator=(const CTKMsg&) = delete;

    // Keeps the command; overrides call this first. Non-zero when the group handled the command.
    virtual BOOL OnTKCommand(UINT command) {
        m_nCommand = command;
        m_nDID = command;
        return 0;
    }
    // Sets the item's state; does nothing for identifiers the group does not name.
    virtual void OnUpdateTKCommand(CCmdUI* cmdUI) {}
    // Whether the group owns the command (its message map would route it there).
    virtual BOOL IsOwnCommand(UINT did) const { return 0; }

    UINT GetDID() const { return m_nDID; }
    UINT GetCommandID() const { return m_nCommand; }
    IGlobal* GetGlobal() const { return m_pGlobal; }

private:
    IGlobal* m_pGlobal;
    UINT m_nCommand = 0;
    UINT m_nDID = 0;
};
