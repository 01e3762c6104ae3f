#include "app/page_codes_dialog.h"

namespace tintara {

FileDialog PageCodesDialog() {
  return {.purpose = FileDialog::Purpose::Open,
          .defaultExt = "htm",
          .filters = {"HTML pages (*.htm;*.html)", "All files (*)"},
          .fileName = {},
          .choiceLabel = {},
          .choices = {}};
}

}  // namespace tintara
