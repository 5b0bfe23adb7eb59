#pragma once

namespace targello {

// The page's selling script: the chosen delivery and payment, the totals
// with delivery, the free-delivery threshold and the cash-on-delivery cost
// (BigInt ten-thousandths, as the basket), the order number, the order text
// a trader reads, and the thank-you with the transfer's details and its QR
// code. It defines the global SPRZEDAZ, which the page's script calls; it
// needs the money functions before it.
const char* ModernSellingScript();

} // namespace targello
