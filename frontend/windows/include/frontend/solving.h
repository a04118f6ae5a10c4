#pragma once
// Solving the current equation and creating equations from roots: the actions this part of the program
// offers the main window and the new-equation dialog.

#include "frontend/core/state.h"
#include "platform/services.h"

#include <optional>
#include <vector>

class QWidget;

namespace frontend
{

class ActionRegistry;

/// Registers Solve, Create and the creator's roots window.
void registerSolving(ActionRegistry &actions, core::KovalinState &state, platform::Services services);

/// Solves the checked equation and shows the results window over `owner`, the roots formatted to
/// `decimals`. A complex equation of degree 50 is refused. Returns the real roots found, when the solve gave
/// roots.
std::optional<std::vector<double>> solveEquation(
    const core::Equation &equation, std::size_t decimals, const platform::Services &services, QWidget *owner);

/// Opens the creator's roots window for the request in the state.
void openCreator(core::KovalinState &state, const platform::Services &services, QWidget *owner);

/// The main window's Create: the creator's own dialog, then the roots window when it was confirmed.
void createEquation(core::KovalinState &state, const platform::Services &services, QWidget *owner);

} // namespace frontend
