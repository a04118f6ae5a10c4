// VT_Dunmora: the cubic equation solver.

#include "cubic/cubic_window.h"
#include "cubic/solver_program.h"

int main(int argc, char *argv[])
{
    return cubic::RunSolverProgram<cubic::CubicWindow>(
        argc, argv, QStringLiteral("Dunmora"), QStringLiteral("org.kovalin.Dunmora"));
}
