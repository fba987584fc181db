#include "dialogs/program_settings_dialog_win.h"

#include <commctrl.h>

#include "base/program_path.h"
#include "clock/clock_settings.h"
#include "clock/program_resources_win.h"
#include "clock/runtime_bound_win.h"
#include "controls/edit_win.h"
#include "controls/up_down_win.h"
#include "resources/program_settings_dialog_ids.h"

namespace {

const char kNoPreview[] = "无法创建预览窗口，预览功能不可用!";

// Range and position of an up-down of the dialog.
void SetUpDown(HWND dialog, int id, int low, int high, int position) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) return;
  UpDown upDown(control);
  upDown.SetRange(low, high);
  upDown.SetPos(position);
}

int Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0; }

// The number in an edit; text that is not a number counts as 0.
int NumberIn(HWND dialog, int id) { return static_cast<int>(GetDlgItemInt(dialog, id, nullptr, FALSE)); }

void Enable(HWND dialog, int id, bool on) {
  if (HWND control = GetDlgItem(dialog, id)) EnableWindow(control, on ? TRUE : FALSE);
}

}  // namespace

ProgramSettingsDialog::ProgramSettingsDialog(const ProgramSettingsServices& services)
    : autoStart_(services.autoStart ? services.autoStart : &registry_),
      actions_(WithSystemDefaults(services.actions)),
      preview_(ClockServices{services.time}) {
  OnMessage<WM_INITDIALOG>(&ProgramSettingsDialog::OnInitDialog);
  OnMessage<WM_MOVE>(&ProgramSettingsDialog::OnMove);
  OnCommand(IDC_FACE_DIGITAL, BN_CLICKED, &ProgramSettingsDialog::OnFaceDigital);
  OnCommand(IDC_FACE_ANALOG, BN_CLICKED, &ProgramSettingsDialog::OnFaceAnalog);
  OnCommand(IDC_TRANSPARENT, BN_CLICKED, &ProgramSettingsDialog::OnTransparent);
  for (int id = IDC_SCALE_AUTO; id <= IDC_SCALE_300; ++id)
    OnCommand(id, BN_CLICKED, &ProgramSettingsDialog::OnFaceScale);
  OnCommand(IDC_TRANSPARENCE, EN_CHANGE, &ProgramSettingsDialog::OnTransparenceChanged);
  OnNotify(IDC_BACKGROUND_STEP, UDN_DELTAPOS, &ProgramSettingsDialog::OnBackgroundStep);
  OnNotify(IDC_DIGIT_STEP, UDN_DELTAPOS, &ProgramSettingsDialog::OnDigitStep);
  OnCommand(IDOK, &ProgramSettingsDialog::OnOk);
  OnCommand(IDCANCEL, &ProgramSettingsDialog::OnCancel);
  OnCommand(IDC_SETTINGS_HELP, &ProgramSettingsDialog::OnHelp);
}

INT_PTR ProgramSettingsDialog::Run(HWND owner) { return DoModal(owner, IDD_PROGRAM_SETTINGS); }

bool ProgramSettingsDialog::OnInitDialog(HWND) {
  HWND dlg = hwnd();
  InitLook(DesktopRect(), ProgramIcon());
  appearanceChanged_ = false;
  ProgramPath("Ticora.ini", iniPath_);
  settings_ = ReadProgramSettings(iniPath_);
  // The box shows what the system will really do at the next start.
  settings_.autoStart = AutoStartStored(*autoStart_) ? 1 : 0;

  CheckDlgButton(dlg, IDC_AUTO_START, settings_.autoStart ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dlg, IDC_SIGNAL_CLOCK, settings_.signalClock ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dlg, IDC_AFFAIR_REMIND, settings_.affairRemind ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dlg, IDC_TRANSPARENT, settings_.transparent ? BST_CHECKED : BST_UNCHECKED);
  CheckRadioButton(dlg, IDC_FACE_DIGITAL, IDC_FACE_ANALOG, settings_.clockMode ? IDC_FACE_ANALOG : IDC_FACE_DIGITAL);
  CheckRadioButton(dlg, IDC_SCALE_AUTO, IDC_SCALE_300, IDC_SCALE_AUTO + settings_.faceScale);

  SetDlgItemInt(dlg, IDC_TRANSPARENCE, static_cast<UINT>(settings_.transparence), FALSE);
  SetUpDown(dlg, IDC_TRANSPARENCE_STEP, kMinTransparence, kMaxTransparence, settings_.transparence);
  SetDlgItemInt(dlg, IDC_MESSAGE_WAIT, static_cast<UINT>(settings_.messageWait), FALSE);
  SetUpDown(dlg, IDC_MESSAGE_WAIT_STEP, 1, 36000, settings_.messageWait);
  SetDlgItemInt(dlg, IDC_SHUTDOWN_WAIT, static_cast<UINT>(settings_.shutdownWait), FALSE);
  SetUpDown(dlg, IDC_SHUTDOWN_WAIT_STEP, 1, 60, settings_.shutdownWait);
  // An empty list still gets a range of one; its up-down stays disabled.
  SetUpDown(dlg, IDC_BACKGROUND_STEP, 1, settings_.background.total > 0 ? settings_.background.total : 1,
            settings_.background.current);
  SetUpDown(dlg, IDC_DIGIT_STEP, 1, settings_.digits.total > 0 ? settings_.digits.total : 1, settings_.digits.current);
  EnableTransparence();

  BuildSkinPath(ini_keys::kBackground, settings_.background.current, backgroundPath_);
  BuildSkinPath(ini_keys::kNumber, settings_.digits.current, digitPath_);
  CreatePreview();
  ApplyFaceMode();
  return true;
}

void ProgramSettingsDialog::BuildSkinPath(const char* section, int index, char* path) {
  char name[64];
  ReadSkinFile(iniPath_, section, index, name, sizeof name);
  ProgramPath(name, path);
}

void ProgramSettingsDialog::EnableTransparence() {
  Enable(hwnd(), IDC_TRANSPARENCE, settings_.transparent != 0);
  Enable(hwnd(), IDC_TRANSPARENCE_STEP, settings_.transparent != 0);
}

void ProgramSettingsDialog::CreatePreview() {
  preview_.SetFaceMode(static_cast<uint8_t>(settings_.clockMode));
  preview_.SetFaceScaleSetting(settings_.faceScale);
  bool ready = settings_.clockMode != kFaceDigital ||
               (preview_.LoadBackground(backgroundPath_, false) && preview_.LoadDigitStrip(digitPath_));
  if (ready) {
    RECT frame{};
    GetWindowRect(GetDlgItem(hwnd(), IDC_PREVIEW_FRAME), &frame);
    ready = preview_.CreateClock(hwnd(), true, &frame);
  }
  if (!ready) {
    MessageBoxA(hwnd(), kNoPreview, kTicoraCaption, MB_OK | MB_ICONWARNING);
    return;
  }
  if (settings_.transparent) SetPreviewAlpha(settings_.transparence);
}

bool ProgramSettingsDialog::HasPreview() const { return preview_.hwnd() && IsWindow(preview_.hwnd()); }

void ProgramSettingsDialog::SetPreviewAlpha(int alpha) {
  SetWindowAlpha(preview_.hwnd(), static_cast<BYTE>(alpha));
}

void ProgramSettingsDialog::ApplyFaceMode() {
  const bool digital = settings_.clockMode == kFaceDigital;
  Enable(hwnd(), IDC_BACKGROUND_STEP, digital && settings_.background.total > 0);
  Enable(hwnd(), IDC_DIGIT_STEP, digital && settings_.digits.total > 0);
  if (!HasPreview()) return;
  preview_.ApplyAppearance(settings_.clockMode, backgroundPath_, digitPath_, false);
  RecentrePreview();
}

void ProgramSettingsDialog::RecentrePreview() {
  HWND window = preview_.hwnd();
  RECT frame{};
  if (!GetWindowRect(GetDlgItem(hwnd(), IDC_PREVIEW_FRAME), &frame)) return;
  const RECT face = preview_.FaceRect();
  const int x = frame.left + ((frame.right - frame.left) - (face.right - face.left)) / 2;
  const int y = frame.top + ((frame.bottom - frame.top) - (face.bottom - face.top)) / 2;
  ShowWindow(window, SW_HIDE);
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  ShowWindow(window, SW_SHOWNA);
}

void ProgramSettingsDialog::OnMove(POINT) {
  if (HasPreview()) RecentrePreview();
}

void ProgramSettingsDialog::OnFaceDigital(int, int, HWND) {
  settings_.clockMode = kFaceDigital;
  CheckRadioButton(hwnd(), IDC_FACE_DIGITAL, IDC_FACE_ANALOG, IDC_FACE_DIGITAL);
  appearanceChanged_ = true;
  ApplyFaceMode();
}

void ProgramSettingsDialog::OnFaceAnalog(int, int, HWND) {
  settings_.clockMode = kFaceAnalog;
  CheckRadioButton(hwnd(), IDC_FACE_DIGITAL, IDC_FACE_ANALOG, IDC_FACE_ANALOG);
  appearanceChanged_ = true;
  ApplyFaceMode();
}

void ProgramSettingsDialog::OnTransparent(int, int, HWND) {
  settings_.transparent = Checked(hwnd(), IDC_TRANSPARENT);
  EnableTransparence();
  if (HasPreview()) SetPreviewAlpha(settings_.transparent ? settings_.transparence : kMaxTransparence);
}

void ProgramSettingsDialog::OnTransparenceChanged(int, int, HWND) {
  if (!HasPreview()) return;
  settings_.transparence = ClampTransparence(NumberIn(hwnd(), IDC_TRANSPARENCE));
  SetPreviewAlpha(settings_.transparence);
}

bool ProgramSettingsDialog::StepSkin(const NMHDR& header, SkinList& list, const char* section, char* path) {
  if (list.total <= 0) return false;
  const UpDown::Step step = UpDown::StepOf(header);
  list.current = NextSkinIndex(step.position, step.delta, list.total);
  appearanceChanged_ = true;
  BuildSkinPath(section, list.current, path);
  return HasPreview();
}

LRESULT ProgramSettingsDialog::OnBackgroundStep(NMHDR& header) {
  if (StepSkin(header, settings_.background, ini_keys::kBackground, backgroundPath_)) {
    preview_.LoadBackground(backgroundPath_, true);
    RecentrePreview();
  }
  return 0;
}

LRESULT ProgramSettingsDialog::OnDigitStep(NMHDR& header) {
  if (StepSkin(header, settings_.digits, ini_keys::kNumber, digitPath_)) preview_.LoadDigitStrip(digitPath_);
  return 0;
}

void ProgramSettingsDialog::OnFaceScale(int id, int, HWND) {
  settings_.faceScale = id - IDC_SCALE_AUTO;
  if (!HasPreview()) return;
  // The preview shows the face at the chosen scale; automatic shows it at
  // the size the preview area is made for.
  preview_.SetFaceScaleSetting(settings_.faceScale == 0 ? 1 : settings_.faceScale);
  RecentrePreview();
}

void ProgramSettingsDialog::OnOk(int, int, HWND) {
  HWND dlg = hwnd();
  settings_.autoStart = Checked(dlg, IDC_AUTO_START);
  settings_.signalClock = Checked(dlg, IDC_SIGNAL_CLOCK);
  settings_.affairRemind = Checked(dlg, IDC_AFFAIR_REMIND);
  settings_.transparent = Checked(dlg, IDC_TRANSPARENT);
  // A paste can put anything into the digits-only fields, and a wait of 0
  // would leave no time to cancel a shutdown: what is out of range is refused.
  const SettingsRefusal refusal = TakeTypedSettings(
      settings_.transparent != 0, Edit(GetDlgItem(dlg, IDC_TRANSPARENCE)).Text().c_str(),
      Edit(GetDlgItem(dlg, IDC_MESSAGE_WAIT)).Text().c_str(), Edit(GetDlgItem(dlg, IDC_SHUTDOWN_WAIT)).Text().c_str(),
      settings_);
  if (refusal != SettingsRefusal::None) {
    MessageBoxA(dlg, SettingsRefusalText(refusal), kTicoraCaption, MB_OK | MB_ICONWARNING);
    const int field = refusal == SettingsRefusal::Transparence  ? IDC_TRANSPARENCE
                      : refusal == SettingsRefusal::MessageWait ? IDC_MESSAGE_WAIT
                                                                : IDC_SHUTDOWN_WAIT;
    Edit(GetDlgItem(dlg, field)).SelectAll();
    SetFocus(GetDlgItem(dlg, field));
    return;
  }
  // The file and the box keep what the registry really holds: a machine-wide
  // value a user cannot remove still starts the clock.
  const bool wanted = settings_.autoStart != 0;
  char command[MAX_PATH + 3];
  if (ProgramAutoStartCommand(command, sizeof command) || !wanted) StoreAutoStart(*autoStart_, wanted, command);
  const bool stored = AutoStartStored(*autoStart_);
  settings_.autoStart = stored ? 1 : 0;
  // A failed write is said, and OK goes on: the clock still takes the
  // settings up for this session.
  if (!WriteProgramSettings(iniPath_, settings_))
    MessageBoxA(dlg, kSettingsNotSaved, kTicoraCaption, MB_OK | MB_ICONEXCLAMATION);
  const char* failure = AutoStartFailureText(wanted, stored);
  if (failure[0]) {
    CheckDlgButton(dlg, IDC_AUTO_START, stored ? BST_CHECKED : BST_UNCHECKED);
    MessageBoxA(dlg, failure, kTicoraCaption, MB_OK | MB_ICONWARNING);
  }
  preview_.CloseClock();
  End(IDOK);
}

void ProgramSettingsDialog::OnCancel(int, int, HWND) {
  preview_.CloseClock();
  End(IDCANCEL);
}

void ProgramSettingsDialog::OnHelp(int, int, HWND) { actions_.openHelp(hwnd(), "#appearance"); }

INT_PTR RunProgramSettings(ClockWindow& clock, HWND owner, const ProgramSettingsServices& services) {
  ProgramSettingsDialog dialog(services);
  const INT_PTR result = dialog.Run(owner);
  if (result == IDOK) ApplyProgramSettings(clock, dialog);
  return result;
}

void ApplyProgramSettings(ClockWindow& clock, const ProgramSettingsDialog& dialog) {
  const ProgramSettings& s = dialog.Settings();
  TimedCheckSettings run = clock.RunSettings();
  run.chimeOn = s.signalClock != 0;
  run.remindersOn = s.affairRemind != 0;
  run.waits.shutdownWait = s.shutdownWait;
  run.waits.messageWait = s.messageWait;
  clock.ApplySettings(run);
  if (s.faceScale != clock.FaceScaleSetting()) clock.SetFaceScaleSetting(s.faceScale);
  if (dialog.AppearanceChanged())
    clock.ApplyAppearance(s.clockMode, dialog.BackgroundPath(), dialog.DigitPath(), true);
  SetWindowAlpha(clock.hwnd(), static_cast<BYTE>(s.transparent ? s.transparence : kMaxTransparence));
}
