#pragma once

namespace targello {

class AppContext;
class Autosave;

// At start-up: the recovery copies left by a program that ended without
// closing its pages (a crash, a kill, a power cut) are offered one by one
// with "Odzyskaj" or "Odrzuć". A recovered page opens marked as changed; a
// copy that cannot be read is skipped with a message. Returns the number of
// pages recovered.
int OfferRecovery(AppContext& app, Autosave& autosave);

} // namespace targello
