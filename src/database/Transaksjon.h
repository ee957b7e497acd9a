#pragma once
// The workspace the subsystems work in, and work that must not half-finish.
#include "platform/dao/Dao.h"
#include "platform/vb/Err.h"
#include "state/ProgramState.h"

inline dao::Workspace& Registerets_Arbeidsomrade() {
    return state::Arbeidsomrade ? *state::Arbeidsomrade : dao::DBEngine::Workspaces(0);
}

// Runs arbeid as one transaction: all of it is stored, or none of it.
template <class F>
void I_Transaksjon(F&& arbeid) {
    dao::Workspace& ws = Registerets_Arbeidsomrade();
    ws.BeginTrans();
    try {
        arbeid();
        ws.CommitTrans();
    } catch (...) {
        // The work's own error is the one to tell: a failing rollback must not hide it.
        try {
            ws.Rollback();
        } catch (const vb::Err&) {
        }
        throw;
    }
}
