#include "core/modern/ModernSearch.h"

namespace targello {

std::string ModernSearchBox(int productCount) {
    if (productCount < SearchFromProducts)
        return {};
    return "<search class=\"szukaj\"><label for=\"szukaj\">Szukaj produktu</label>"
           "<input id=\"szukaj\" type=\"search\" autocomplete=\"off\" aria-describedby=\"szukaj-wynik\">"
           "<p id=\"szukaj-wynik\" role=\"status\" aria-live=\"polite\"></p></search>\n";
}

const char* ModernSearchStyle() {
    return R"(.szukaj{margin:0 0 1rem}
.szukaj label{display:block;font-weight:bold}
.szukaj input{width:100%;max-width:30rem;min-height:2.75rem;padding:.4rem .5rem;border:1px solid #555;border-radius:.3rem;background:#fff;color:#1a1a1a}
.szukaj input:focus-visible{outline:3px solid #e8a200;outline-offset:2px}
#szukaj-wynik{margin:.25rem 0 0;min-height:1.5em}
.produkt[hidden]{display:none}
)";
}

// Each product's name and description, folded once; a key stroke only compares.
const char* ModernSearchScript() {
    return R"JS((function(){'use strict';
var pole=document.getElementById('szukaj');if(!pole)return;var wynik=document.getElementById('szukaj-wynik');
function proste(t){return t.toLowerCase().normalize('NFD').replace(/[\u0300-\u036f]/g,'').replace(/\u0142/g,'l');}
var karty=Array.prototype.map.call(document.querySelectorAll('article.produkt'),function(a){
var o=a.querySelector('.opis');return{a:a,t:proste(a.querySelector('h3').textContent+' '+(o?o.textContent:''))};});
function ile(n){var d=n%10,s=n%100;return n===1?'produkt':d>=2&&d<=4&&(s<12||s>14)?'produkty':'produktów';}
function szukaj(){var q=proste(pole.value.trim()),n=0;
karty.forEach(function(k){var jest=!q||k.t.indexOf(q)>=0;k.a.hidden=!jest;if(jest)n++;});
wynik.textContent=!q?'':n?'Znaleziono '+n+' '+ile(n)+'.':'Nie znaleziono produktów pasujących do „'+pole.value.trim()+'”.';}
pole.addEventListener('input',szukaj);if(pole.value)szukaj();})();
)JS";
}

} // namespace targello
