// VT_Hovanta: the quartic equation solver.

#include "cubic/solver_program.h"
#include "quartic/quartic_window.h"

int main(int argc, char *argv[])
{
    return cubic::RunSolverProgram<quartic::QuarticWindow>(
        argc, argv, QStringLiteral("Hovanta"), QStringLiteral("org.kovalin.Hovanta"));
}
