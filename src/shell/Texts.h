// The program's own wording for its title, credits and publisher lines.
#pragma once

namespace shell {

inline constexpr char kProductTitle[] = "Chemistry Key Stage 3 Kindrel";
inline constexpr char kAuthorsCredit[] = "By the Kindrel chemistry team";
inline constexpr char kPublisherLine[] = "Published by Corvane Education";
inline constexpr char kOwnershipLine[] = "\u00A9 Corvane Education. All rights reserved.";

// The publisher's web address with its scheme, fixed when the program is built.
inline constexpr char kPublisherUrl[] = KINDREL_PUBLISHER_URL;

}  // namespace shell
