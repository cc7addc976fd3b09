#include "shell/tool_states.h"

#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "table/table_access.h"

void RefreshToolStates(WindowHandle hTable) {
  ProgramState& program = Program();
  if (program.bClosingAll) return;
  bool oneRange = false;
  bool editing = false;
  bool coloured = false;
  {
    TableLockGuard t(hTable);
    if (!t) return;
    oneRange = t->iSelCurrent == 0;
    editing = t->bEditShown != 0;
    coloured = t->iColourState == COLOUR_STATE_TREND || t->bLinked != 0;
  }
  program.toolStates.fill(1);
  // The pixel button works on a table in the trend colouring's colour mode.
  if (!coloured) program.toolStates[TOOL_IMAGE_PIXEL] = 0;
  if (!oneRange) program.toolStates[TOOL_COPY] = 0;
  if (editing) {
    for (int i = TOOL_FIND; i <= TOOL_COPY; ++i) program.toolStates[static_cast<std::size_t>(i)] = 0;
  }
  if (IsWindowAlive(program.hFormulaBar)) {
    PostCommand(program.hFormulaBar, CMD_FORMULA_BAR_REFRESH);
    PostCommand(program.hFormulaBar, CMD_FORMULA_BAR_ENABLE, static_cast<std::intptr_t>(hTable));
  }
}

void RefreshPlot3DToolStates() {
  ProgramState& program = Program();
  if (program.bClosingAll) return;
  program.toolStates.fill(0);
  for (int tool : {TOOL_OPEN, TOOL_ZOOM_IN, TOOL_ZOOM_OUT, TOOL_COPY, TOOL_PRINT}) {
    program.toolStates[static_cast<std::size_t>(tool)] = 1;
  }
  if (IsWindowAlive(program.hFormulaBar)) PostCommand(program.hFormulaBar, CMD_FORMULA_BAR_REFRESH);
}

void ResetToolStates() {
  ProgramState& program = Program();
  program.toolStates.fill(0);
  program.toolStates[TOOL_OPEN] = 1;
}
