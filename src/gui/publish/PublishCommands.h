#pragma once

namespace targello {

class AppContext;
class PublishTools;

// "Ustawienia publikacji…": the connection dialog for the current page;
// what it stores goes into the page's settings (the project changes). True
// once the trader confirmed it.
bool EditPublishSettings(AppContext& app, PublishTools& tools);

// "Opublikuj sklep": the connection dialog on first use, the password, the
// export, then the publish behind a progress window, and what came of it.
void PublishShop(AppContext& app, PublishTools& tools);

} // namespace targello
