// The program settings dialog: face, skins, translucency, auto-start, the
// chime and reminder switches and the two waiting times, with a live preview
// of the face (a second clock window) inside its frame. OK writes
// "Ticora.ini" and the auto-start value; the caller applies the result to the
// running clock.
#pragma once
#include <windows.h>

#include "clock/clock_window_win.h"
#include "dialogs/auto_start_win.h"
#include "dialogs/dialog_actions_win.h"
#include "dialogs/dialog_look_win.h"
#include "dialogs/program_settings.h"

struct ProgramSettingsServices {
  TimeSource* time = nullptr;          // the preview's time; the system's when null
  RunValueStore* autoStart = nullptr;  // the registry's Run values when null
  DialogActions actions;               // the help page
};

class ProgramSettingsDialog : public LookedDialog {
 public:
  explicit ProgramSettingsDialog(const ProgramSettingsServices& services = ProgramSettingsServices());

  // Runs the dialog (template 129) modally; IDOK or IDCANCEL.
  INT_PTR Run(HWND owner);

  // The result after IDOK.
  const ProgramSettings& Settings() const { return settings_; }
  bool AppearanceChanged() const { return appearanceChanged_; }
  const char* BackgroundPath() const { return backgroundPath_; }
  const char* DigitPath() const { return digitPath_; }
  const ClockWindow& Preview() const { return preview_; }

 private:
  bool OnInitDialog(HWND focus);
  void OnMove(POINT clientOrigin);
  void OnFaceDigital(int id, int code, HWND control);
  void OnFaceAnalog(int id, int code, HWND control);
  void OnFaceScale(int id, int code, HWND control);
  void OnTransparent(int id, int code, HWND control);
  void OnTransparenceChanged(int id, int code, HWND control);
  LRESULT OnBackgroundStep(NMHDR& header);
  LRESULT OnDigitStep(NMHDR& header);
  void OnOk(int id, int code, HWND control);
  void OnCancel(int id, int code, HWND control);
  void OnHelp(int id, int code, HWND control);

  void CreatePreview();
  void ApplyFaceMode();
  void RecentrePreview();
  bool HasPreview() const;
  void SetPreviewAlpha(int alpha);
  void BuildSkinPath(const char* section, int index, char* path);
  // A skin up-down about to move: the list's next index and its path. True
  // when the preview is to load the new skin.
  bool StepSkin(const NMHDR& header, SkinList& list, const char* section, char* path);
  void EnableTransparence();

  ProgramSettings settings_;
  bool appearanceChanged_ = false;
  char iniPath_[256] = {};
  char backgroundPath_[256] = {};
  char digitPath_[256] = {};
  RegistryRunValues registry_;
  RunValueStore* autoStart_;
  DialogActions actions_;
  ClockWindow preview_;
};

// Opens the dialog owned by owner and, on OK, applies its result to clock:
// the switches and waits, the new face when the appearance changed, then the
// window's alpha. Returns the dialog's result.
INT_PTR RunProgramSettings(ClockWindow& clock, HWND owner,
                           const ProgramSettingsServices& services = ProgramSettingsServices());
void ApplyProgramSettings(ClockWindow& clock, const ProgramSettingsDialog& dialog);
