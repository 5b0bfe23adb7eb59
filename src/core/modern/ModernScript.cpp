#include "core/modern/ModernScript.h"

namespace targello {

// Amounts are BigInt ten-thousandths: prices reach 922337203685477,5807 zł,
// far beyond the integers a double holds exactly.
const char* ModernMoneyScript() {
    return R"JS(var NBSP='\u00A0';
function kwota(v){var minus=v<0n;if(minus)v=-v;var g=(v+50n)/100n;if(g===0n)minus=false;
var zl=(g/100n).toString().replace(/\B(?=(\d{3})+(?!\d))/g,NBSP),gr=(g%100n).toString();
return (minus?'-':'')+zl+','+(gr.length<2?'0':'')+gr+NBSP+'zł';}
function razem(cena,ile){return BigInt(cena)*BigInt(ile);}
)JS";
}

const char* ModernPageScript() {
    return R"JS((function(){'use strict';
var D=JSON.parse(document.getElementById('dane-sklepu').textContent),P=D.produkty,kosz=[];
function $(id){return document.getElementById(id);}
function powiedz(t){var k=$('komunikat');k.textContent=t;clearTimeout(powiedz.z);powiedz.z=setTimeout(function(){k.textContent='';},4000);}
function ilosc(x){var n=parseInt(x,10);return n>=1&&n<=9999?n:0;}
function zapisz(){try{localStorage.setItem(D.klucz,JSON.stringify(kosz.map(function(l){return{i:l.i,n:P[l.i].n,c:P[l.i].c,q:l.q};})));}catch(e){}}
function wczytaj(){var s=[];try{s=JSON.parse(localStorage.getItem(D.klucz)||'[]');}catch(e){}
kosz=[];if(!Array.isArray(s))return;s.forEach(function(x){if(!x||typeof x!=='object')return;var q=ilosc(x.q),i=-1,k;if(!q)return;
if(P[x.i]&&P[x.i].n===x.n&&P[x.i].c===x.c)i=x.i;else for(k=0;k<P.length;k++)if(P[k].n===x.n&&P[k].c===x.c){i=k;break;}
if(i>=0&&!kosz.some(function(l){return l.i===i;}))kosz.push({i:i,q:q});});}
function suma(){return kosz.reduce(function(s,l){return s+razem(P[l.i].c,l.q);},0n);}
function sztuk(){return kosz.reduce(function(s,l){return s+l.q;},0);}
function pokazSume(){$('koszyk-suma').textContent=kwota(suma());SPRZEDAZ.pokaz(suma());
$('koszyk-ile').textContent=sztuk()+' szt., '+kwota(suma());$('koszyk-pusty').hidden=kosz.length>0;$('oproznij').hidden=kosz.length===0;
kosz.forEach(function(l,n){var w=$('koszyk-lista').children[n];if(w)w.querySelector('.wartosc').textContent=kwota(razem(P[l.i].c,l.q));});miejsce();}
function miejsce(){document.body.style.paddingBottom=(document.querySelector('.skrot').offsetHeight+32)+'px';}
window.addEventListener('resize',miejsce);
function pokazKosz(){var lista=$('koszyk-lista');lista.textContent='';
kosz.forEach(function(l,n){var p=P[l.i],li=document.createElement('li'),nazwa=document.createElement('span'),lab=document.createElement('label'),
pole=document.createElement('input'),wart=document.createElement('span'),usun=document.createElement('button');
nazwa.className='nazwa';nazwa.textContent=p.n+' – '+kwota(BigInt(p.c))+' za sztukę';
pole.type='number';pole.min='1';pole.max='9999';pole.step='1';pole.inputMode='numeric';pole.value=String(l.q);pole.id='ile-'+n;
lab.htmlFor=pole.id;lab.className='ukryty';lab.textContent='Ilość: '+p.n;
pole.addEventListener('change',function(){var q=ilosc(pole.value);if(q){l.q=q;zapisz();}pole.value=String(l.q);pokazSume();});
wart.className='wartosc';usun.type='button';usun.className='drugi';usun.textContent='Usuń';usun.setAttribute('aria-label','Usuń z koszyka: '+p.n);
usun.addEventListener('click',function(){kosz.splice(kosz.indexOf(l),1);zapisz();pokazKosz();powiedz('Usunięto z koszyka: '+p.n);$('koszyk-tytul').focus();});
li.append(nazwa,lab,pole,wart,usun);lista.appendChild(li);});pokazSume();}
function dodaj(i){var l=kosz.find(function(x){return x.i===i;});if(l)l.q=Math.min(9999,l.q+1);else kosz.push({i:i,q:1});
zapisz();pokazKosz();powiedz('Dodano do koszyka: '+P[i].n+'. Razem '+kwota(suma())+'.');}
document.querySelectorAll('button.dodaj').forEach(function(b){b.addEventListener('click',function(){dodaj(+b.dataset.nr);});});
$('oproznij').addEventListener('click',function(){kosz=[];zapisz();pokazKosz();powiedz('Koszyk jest pusty.');$('koszyk-tytul').focus();});
window.addEventListener('storage',function(e){if(e.key===D.klucz){wczytaj();pokazKosz();}});
window.addEventListener('pageshow',function(e){if(e.persisted){wczytaj();pokazKosz();}});
var form=$('formularz'),wynik=$('wynik');
function pola(){return Array.prototype.filter.call(form.elements,function(x){return x.name&&x.tagName==='INPUT'&&x.type!=='radio';});}
function tekstZamowienia(){return SPRZEDAZ.tekst(kosz.map(function(l){return{n:P[l.i].n,c:P[l.i].c,q:l.q};}),suma(),pola());}
var WYMAGANE={NAZWISKO:'Podaj imię i nazwisko.',ULICA:'Podaj ulicę i numer domu.',KOD:'Podaj kod pocztowy.',MIASTO:'Podaj miasto.'};
function blad(x,t){var b=$('b-'+x.name);b.textContent=t;if(t)x.setAttribute('aria-invalid','true');else x.removeAttribute('aria-invalid');return !t;}
function komunikat(x){var v=x.value.trim();
if(WYMAGANE[x.name]&&!v)return WYMAGANE[x.name];
if(x.name==='MAIL'&&v&&!/^[^\s@]+@[^\s@]+\.[^\s@]+$/.test(v))return 'Adres e-mail wygląda na niepełny, np. jan@example.pl.';
if(x.name==='MAIL'&&!v&&!form.elements.TELEFON.value.trim())return 'Podaj adres e-mail albo telefon, abyśmy mogli potwierdzić zamówienie.';
if(x.name==='NIP'&&v&&v.replace(/^PL/i,'').replace(/[\s-]/g,'').replace(/\D/g,'').length!==10)return 'NIP ma 10 cyfr.';
return '';}
function sprawdz(){var dobre=true,pierwsze=null;form.querySelectorAll('.blad').forEach(function(b){b.style.minHeight='';});
pola().forEach(function(x){var t=komunikat(x);if(!blad(x,t)&&!pierwsze)pierwsze=x;if(t)dobre=false;});
var zle=SPRZEDAZ.bledy();if(zle){dobre=false;if(!pierwsze)pierwsze=zle;}
$('b-koszyk').textContent=kosz.length?'':'Koszyk jest pusty – dodaj produkty, zanim wyślesz zamówienie.';
if(!kosz.length){dobre=false;if(!pierwsze)pierwsze=$('koszyk-tytul');}
if(pierwsze)pierwsze.focus();return dobre;}
form.addEventListener('submit',function(e){e.preventDefault();});
pola().forEach(function(x){x.addEventListener('blur',function(){if(!x.getAttribute('aria-invalid'))return;
var b=$('b-'+x.name),h=b.offsetHeight;blad(x,komunikat(x));if(b.offsetHeight<h)b.style.minHeight=h+'px';});});
function adresTekst(){var p=document.createElement('p');if(D.adres){p.append('Wyślij je na adres ');var s=document.createElement('strong');s.textContent=D.adres;p.append(s,'.');}return p;}
function pokazWynik(t,tekst){wynik.textContent='';var p=document.createElement('p');p.textContent=t;wynik.append(p,adresTekst());
if(tekst){var l=document.createElement('label'),a=document.createElement('textarea');l.htmlFor=a.id='tekst-zamowienia';l.textContent='Treść zamówienia';a.readOnly=true;a.value=tekst;wynik.append(l,a);a.select();}
SPRZEDAZ.podziekuj(wynik,suma(),function(){kosz=[];zapisz();pokazKosz();});wynik.focus();}
$('wyslij').addEventListener('click',function(){if(!sprawdz())return;
location.href=D.mailto+'?subject='+encodeURIComponent(SPRZEDAZ.temat())+'&body='+encodeURIComponent(tekstZamowienia());
pokazWynik('Otwieramy program pocztowy z gotowym zamówieniem. Jeśli się nie otworzy, użyj przycisku „Kopiuj zamówienie” albo „Pobierz zamówienie”.');});
function kopiujRecznie(t){var a=document.createElement('textarea');a.value=t;a.setAttribute('readonly','');a.style.position='fixed';a.style.opacity='0';
document.body.appendChild(a);a.select();var ok=false;try{ok=document.execCommand('copy');}catch(e){}a.remove();return ok;}
$('kopiuj').addEventListener('click',function(){if(!sprawdz())return;var t=tekstZamowienia();
function udane(){pokazWynik('Zamówienie jest w schowku. Wklej je do nowej wiadomości e-mail.');}
function nieudane(){if(kopiujRecznie(t))udane();else pokazWynik('Nie udało się skopiować zamówienia. Zaznacz tekst poniżej i skopiuj go.',t);}
if(navigator.clipboard&&navigator.clipboard.writeText)navigator.clipboard.writeText(t).then(udane,nieudane);else nieudane();});
$('pobierz').addEventListener('click',function(){if(!sprawdz())return;
var u=URL.createObjectURL(new Blob([tekstZamowienia()],{type:'text/plain;charset=utf-8'})),a=document.createElement('a');
a.href=u;a.download='zamowienie.txt';document.body.appendChild(a);a.click();a.remove();setTimeout(function(){URL.revokeObjectURL(u);},60000);
pokazWynik('Zamówienie zapisano w pliku „zamowienie.txt”. Dołącz go do wiadomości e-mail albo wklej jego treść.');});
var okno=$('powiekszenie'),duze=document.createElement('img'),wpis=false;okno.prepend(duze);
document.querySelectorAll('button.powieksz').forEach(function(b){b.addEventListener('click',function(){
duze.src=b.dataset.duze;duze.alt=b.dataset.opis;okno.showModal();try{history.pushState({powiekszenie:1},'');wpis=true;}catch(e){}});});
okno.addEventListener('close',function(){duze.removeAttribute('src');if(wpis){wpis=false;history.back();}});
okno.addEventListener('click',function(e){if(e.target===okno)okno.close();});
$('zamknij').addEventListener('click',function(){okno.close();});
window.addEventListener('popstate',function(){if(okno.open){wpis=false;okno.close();}});
SPRZEDAZ.naZmiane(pokazSume);wczytaj();pokazKosz();})();
)JS";
}

} // namespace targello
