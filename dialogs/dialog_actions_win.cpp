#include "dialogs/dialog_actions_win.h"

#include "clock/runtime_bound_win.h"

DialogActions WithSystemDefaults(DialogActions actions) {
  if (!actions.openFile) actions.openFile = &ShowOpenFileDialog;
  if (!actions.playSound) actions.playSound = &PlaySoundFile;
  if (!actions.openHelp) actions.openHelp = &OpenHelp;
  return actions;
}
