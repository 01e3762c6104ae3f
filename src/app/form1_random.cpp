// "Gee!" and the skin presets: many codes at once, then one recolouring.
#include <QCheckBox>

#include "app/form1.h"

namespace tintara {

void TForm1::Button1Click() {
  for (int s = 1; s <= kSlotCount; ++s) {
    const int group = kSlots[static_cast<std::size_t>(s - 1)].group;
    if (!control<QCheckBox>(QStringLiteral("DBGroup%1").arg(group))->isChecked()) continue;
    const std::int32_t code = DrawCode(random_);
    AssignCode(s, code, QString::number(code));
  }
  control<QCheckBox>("CheckBox1")->setFocus();
  ApplyCodes();
}

void TForm1::Label4Click() {
  RememberLastCodes();
  const SkinPreset& preset = SkinPresetFor(model_.skinToggle);
  for (int k = 0; k < kSkinPresetLength; ++k) {
    AssignCode(kSkinPresetFirstSlot + k, preset[static_cast<std::size_t>(k)],
               QString::number(preset[static_cast<std::size_t>(k)]));
  }
  model_.skinToggle = !model_.skinToggle;
  ApplyCodes();
}

}  // namespace tintara
