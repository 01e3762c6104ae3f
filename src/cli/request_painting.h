#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cli/paint_request.h"
#include "paint/document.h"
#include "platform/problem.h"

namespace tintara {

// An input read and loaded to paint; one without a colour table is refused, having no slot.
Expected<Document> LoadToPaint(const std::string& path);

// The steps of a painting that `tintara paint` takes whatever it writes.

// The loaded document with the random codes of the request's roll (0 first), each roll from the
// next seed, leaving the locked slots as loaded.
Document RolledAsAsked(const PaintRequest& request, const Document& loaded, std::uint32_t roll);

// The painted document's groups shaded from the request's slots, its locked slots kept; or the
// problem of a slot that cannot shade its group in this picture.
std::optional<Problem> ShadeAsAsked(const PaintRequest& request, Document& painted);

// "Wrote out.png (12,345 bytes)" and a new line, as --verbose tells a file written.
std::string WroteMessage(const std::string& path, std::uintmax_t bytes);

}  // namespace tintara
