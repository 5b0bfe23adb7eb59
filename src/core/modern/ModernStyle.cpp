#include "core/modern/ModernStyle.h"

#include "core/modern/ModernPictures.h"
#include "core/modern/ModernText.h"
#include "core/settings/ShopSettings.h"

#include <algorithm>

namespace targello {
namespace {

// Layout in rem so that it follows the visitor's text size. Phones get one
// column, a menu above the products and thumb-sized controls.
constexpr const char* SharedRules = R"(*{box-sizing:border-box}
html{-webkit-text-size-adjust:100%;text-size-adjust:100%}
body{margin:0;padding-bottom:4.5rem;font:1rem/1.5 system-ui,-apple-system,"Segoe UI",Roboto,Arial,sans-serif;color:#1a1a1a;background:#fff}
body.tekstura{background-image:var(--tekstura)}
.ukryty{position:absolute!important;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0);white-space:nowrap}
.pomin{position:absolute;left:-999px;top:0;background:#000;color:#fff;padding:.75rem;z-index:10}
.pomin:focus{left:0}
header.naglowek{background:var(--naglowek);color:var(--naglowek-tekst);padding:1rem;text-align:center}
header.naglowek h1{margin:0;font-size:clamp(1.5rem,4vw,2.5rem);overflow-wrap:anywhere}
header.naglowek img{display:block;max-width:100%;height:auto;margin:0 auto}
.uklad{display:grid;gap:1rem;padding:1rem;max-width:90rem;margin:0 auto}
.uklad-2 .uklad{grid-template-columns:15rem minmax(0,1fr)}
.uklad-3 .uklad{grid-template-columns:minmax(0,1fr) 15rem}
.uklad-3 nav{order:2}
nav.menu{background:var(--menu-tlo);color:var(--menu-tlo-tekst);padding:.5rem;align-self:start;border-radius:.5rem}
nav.menu h2{margin:0 0 .5rem;padding:.5rem;background:var(--menu);color:var(--menu-tekst);font-size:1rem;text-align:center;border-radius:.25rem}
nav.menu ul{list-style:none;margin:0;padding:0}
nav.menu a{display:block;padding:.6rem .5rem;color:inherit;text-decoration:underline;min-height:2.75rem;overflow-wrap:anywhere}
main{min-width:0}
.siatka{display:grid;gap:1rem;grid-template-columns:repeat(var(--kolumny),minmax(0,1fr))}
.produkt{background:var(--wiersz2);color:var(--wiersz2-tekst);padding:1rem;border-radius:.5rem;display:flex;flex-direction:column;gap:.5rem;min-width:0}
.produkt.r1{background:var(--wiersz1);color:var(--wiersz1-tekst)}
body.tekstura .produkt,body.tekstura .panel{background:rgba(255,255,255,.93);color:#1a1a1a}
.produkt h3{margin:0;font-size:1.15rem;overflow-wrap:anywhere}
.produkt .cena{margin:0;font-weight:bold;font-size:1.1rem}
.produkt .opis{margin:0;white-space:pre-line;overflow-wrap:anywhere}
.powieksz{padding:0;border:0;background:none;cursor:zoom-in;width:100%}
.powieksz img{display:block;width:100%;height:auto;object-fit:contain;aspect-ratio:var(--foto-w-l)/var(--foto-h-l)}
button,input{font:inherit}
button{min-height:2.75rem;padding:.5rem 1rem;border-radius:.4rem;border:1px solid #123d6e;background:#1d4f8c;color:#fff;cursor:pointer}
button.drugi{background:#fff;color:#1d4f8c}
button:focus-visible,a:focus-visible,input:focus-visible{outline:3px solid #e8a200;outline-offset:2px}
.panel{background:#fff;border:1px solid #888;border-radius:.5rem;padding:1rem;margin-top:1.5rem}
.panel h2{margin-top:0}
#koszyk-lista{list-style:none;margin:0;padding:0}
#koszyk-lista li{display:flex;flex-wrap:wrap;align-items:center;gap:.5rem 1rem;padding:.5rem 0;border-bottom:1px solid #bbb}
#koszyk-lista .nazwa{flex:1 1 12rem;overflow-wrap:anywhere}
#koszyk-lista input{width:5.5rem;min-height:2.75rem;padding:.25rem .5rem}
.suma{font-size:1.2rem;font-weight:bold}
.przyciski{display:flex;flex-wrap:wrap;gap:.75rem}
form .pola{display:grid;gap:1rem;grid-template-columns:repeat(auto-fit,minmax(min(100%,18rem),1fr))}
fieldset{border:1px solid #888;border-radius:.5rem;margin:0;min-width:0}
legend{font-weight:bold;padding:0 .25rem}
.pole{margin:.5rem 0}
.pole label{display:block}
.pole input{width:100%;min-height:2.75rem;padding:.4rem .5rem;border:1px solid #555;border-radius:.3rem;background:#fff;color:#1a1a1a}
.pole input[aria-invalid=true]{border:2px solid #b00020}
.blad{color:#b00020;font-weight:bold;display:block;min-height:0}
.wynik{margin-top:1rem;overflow-wrap:anywhere}
.wynik textarea{width:100%;min-height:10rem}
.skrot{position:fixed;right:1rem;bottom:1rem;max-width:calc(100vw - 2rem);background:#1d4f8c;color:#fff;padding:.75rem 1rem;border-radius:2rem;text-decoration:none;font-weight:bold;box-shadow:0 2px 6px rgba(0,0,0,.4);z-index:5}
#komunikat{position:fixed;left:50%;transform:translateX(-50%);bottom:4.5rem;background:#1a1a1a;color:#fff;padding:.75rem 1rem;border-radius:.5rem;max-width:90vw;z-index:6}
#komunikat:empty{display:none}
dialog{padding:0;border:0;background:transparent;max-width:100vw;max-height:100vh}
dialog::backdrop{background:rgba(0,0,0,.85)}
dialog img{display:block;max-width:96vw;max-height:85vh;width:auto;height:auto;margin:0 auto;background:#fff}
dialog button{display:block;margin:.75rem auto 0}
footer.stopka{background:var(--stopka);color:var(--stopka-tekst);text-align:center;padding:1rem;font-size:.9rem;margin-top:1rem}
footer.stopka a{color:inherit}
@media (max-width:64em){.siatka.k3,.siatka.k4{grid-template-columns:repeat(2,minmax(0,1fr))}}
@media (max-width:48em){.uklad-2 .uklad,.uklad-3 .uklad{grid-template-columns:minmax(0,1fr)}.uklad-3 nav{order:0}
.uklad{padding:.5rem}.siatka.k2,.siatka.k3,.siatka.k4{grid-template-columns:minmax(0,1fr)}
nav.menu ul{display:flex;flex-wrap:wrap;gap:0 1rem}}
)";

// An address inside url("…") in a STYLE element: nothing in a file name may
// end the string or the element.
std::string cssUrl(const std::string& address) {
    static constexpr const char* Hex = "0123456789ABCDEF";
    std::string out;
    for (char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\' || c == '<' || c == '>' || c == '\'' || c == '(' || c == ')' ||
            byte < 0x20) {
            out += '%';
            out += Hex[byte >> 4];
            out += Hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::string colourPair(const char* name, const RgbColor& background) {
    return std::string("--") + name + ":" + CssColor(background) + ";--" + name +
           "-tekst:" + CssColor(ReadableTextOn(background)) + ";";
}

} // namespace

std::string ModernStyle(const ShopSettings& page, const ShopSettings& edited, const std::string& textureUrl) {
    std::string style = ":root{";
    style += "--kolumny:" + std::to_string(std::clamp(page.ProductColumns, 1, 4)) + ";";
    style += colourPair("naglowek", edited.HeaderColor);
    style += colourPair("menu", edited.MenuColor);
    style += colourPair("menu-tlo", edited.MenuBackColor);
    style += colourPair("stopka", edited.FooterColor);
    style += colourPair("wiersz1", page.RowColor1);
    style += colourPair("wiersz2", page.RowColor2);
    const int width = ShownPictureWidth(edited);
    const int height = ShownPictureHeight(edited);
    style += "--foto-w:" + std::to_string(width) + "px;--foto-w-l:" + std::to_string(width) +
             ";--foto-h-l:" + std::to_string(height) + ";";
    if (!textureUrl.empty())
        style += "--tekstura:url(\"" + cssUrl(textureUrl) + "\");";
    style += "}\n";
    return style + SharedRules;
}

} // namespace targello
