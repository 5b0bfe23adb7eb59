#pragma once

namespace targello {

// The money functions of the page on their own, so they can be checked
// outside a browser: kwota(v) shows a BigInt of ten-thousandths of a zloty as
// "1 234,50 zł" (no-break spaces, rounded half away from zero to grosze).
const char* ModernMoneyScript();

// The page's script: the basket kept in localStorage, the basket panel, the
// order form's checks, the order text and its three ways out, the enlarged
// picture. It reads the shop from the JSON in the element "dane-sklepu".
const char* ModernPageScript();

} // namespace targello
