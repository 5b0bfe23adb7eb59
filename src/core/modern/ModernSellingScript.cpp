#include "core/modern/ModernSellingScript.h"

namespace targello {

const char* ModernSellingScript() {
    return R"JS(var SPRZEDAZ=(function(){'use strict';
var D=JSON.parse(document.getElementById('dane-sklepu').textContent),S=D.sprzedaz||{sklep:'',dostawy:[],darmowa:null},nr='';
var NAZWY={przelew:'Przelew na konto',pobranie:'Płatność przy odbiorze',blik:'BLIK na telefon'};
function $(id){return document.getElementById(id);}
function wybrane(grupa){var x=document.querySelector('input[name="'+grupa+'"]:checked');return x?x.value:null;}
function dostawa(){var k=wybrane('dostawa');return k===null?null:S.dostawy[+k];}
function koszty(towary){var d=dostawa(),k={towary:towary,dostawa:0n,darmowa:false,pobranie:0n};
if(d){k.dostawa=BigInt(d.c);if(S.darmowa!==null&&towary>=BigInt(S.darmowa)){k.dostawa=0n;k.darmowa=true;}}
if(wybrane('platnosc')==='pobranie')k.pobranie=BigInt(S.pobranie);k.razem=towary+k.dostawa+k.pobranie;return k;}
function pokaz(towary){if(!$('suma-razem'))return;var k=koszty(towary),d=dostawa();$('suma-towary').textContent=kwota(towary);
$('wiersz-dostawa').hidden=!d;$('suma-dostawa').textContent=k.darmowa?'gratis':kwota(k.dostawa);
$('wiersz-pobranie').hidden=!k.pobranie;$('suma-pobranie').textContent=kwota(k.pobranie);$('suma-razem').textContent=kwota(k.razem);}
function naZmiane(f){document.querySelectorAll('input[name="dostawa"],input[name="platnosc"]').forEach(function(x){x.addEventListener('change',f);});}
function bledy(){var pierwsze=null;
function ustaw(id,pola,t){$(id).textContent=t;pola.forEach(function(x){if(t)x.setAttribute('aria-invalid','true');else x.removeAttribute('aria-invalid');});if(t&&!pierwsze)pierwsze=pola[0];}
var r=document.querySelectorAll('input[name="dostawa"]');if(r.length)ustaw('b-dostawa',r,wybrane('dostawa')?'':'Wybierz sposób dostawy.');
r=document.querySelectorAll('input[name="platnosc"]');if(r.length)ustaw('b-platnosc',r,wybrane('platnosc')?'':'Wybierz sposób płatności.');
var z=$('f-zgoda');ustaw('b-zgoda',[z],z.checked?'':'Aby zamówić, zaznacz „Akceptuję regulamin i politykę prywatności”.');return pierwsze;}
function dwa(n){return (n<10?'0':'')+n;}
function numer(){if(nr)return nr;var z='ABCDEFGHJKLMNPQRSTUVWXYZ23456789',b=new Uint8Array(4),d=new Date(),t='';crypto.getRandomValues(b);
for(var i=0;i<4;i++)t+=z[b[i]%32];nr=d.getFullYear()+'-'+dwa(d.getMonth()+1)+'-'+dwa(d.getDate())+'-'+t;return nr;}
function temat(){return 'Zamówienie '+numer()+' — '+S.sklep;}
function etykieta(x){var l=document.querySelector('label[for="'+x.id+'"]');return l?l.textContent:x.name;}
function tekst(pozycje,towary,pola){var k=koszty(towary),d=dostawa(),p=wybrane('platnosc'),w=[temat(),''],grupa=null;
pozycje.forEach(function(x,i){w.push((i+1)+'. '+x.n+' — '+x.q+' × '+kwota(BigInt(x.c))+' = '+kwota(razem(x.c,x.q)));});
w.push('','Wartość towarów: '+kwota(towary));if(d)w.push('Dostawa: '+d.n+' — '+(k.darmowa?'gratis':kwota(k.dostawa)));
if(p)w.push('Płatność: '+NAZWY[p]+(p==='pobranie'?' — '+kwota(k.pobranie):''));w.push('Do zapłaty: '+kwota(k.razem));
pola.forEach(function(x){var v=x.value.trim(),g=x.closest('fieldset'),l=g?g.querySelector('legend').textContent:'';if(!v)return;
if(l!==grupa){w.push('',l);grupa=l;}w.push(etykieta(x)+': '+v.replace(/\s*\r?\n\s*/g,', '));});return w.join('\r\n');}
function obetnij(t,n){return Array.from(t).slice(0,n).join('');}
function kodQR(t,razem,n){var gr=((razem+50n)/100n).toString();while(gr.length<6)gr='0'+gr;
return t.nip.replace(/\D/g,'')+'|PL|'+t.konto+'|'+gr+'|'+obetnij(t.odbiorca.replace(/\|/g,' '),20)+'|'+obetnij(n,32)+'|||';}
function wiersz(dl,nazwa,wartosc){var dt=document.createElement('dt'),dd=document.createElement('dd');dt.textContent=nazwa;dd.append(wartosc);dl.append(dt,dd);return dd;}
function przelew(box,razem,n){var t=S.przelew,h=document.createElement('h4'),dl=document.createElement('dl'),kopiuj=document.createElement('button');
h.textContent='Dane do przelewu';wiersz(dl,'Kwota',kwota(razem));if(t.odbiorca)wiersz(dl,'Odbiorca',t.odbiorca);
var konto=wiersz(dl,'Numer konta',t.grupy+' ');kopiuj.type='button';kopiuj.className='drugi';kopiuj.textContent='Kopiuj numer konta';
kopiuj.addEventListener('click',function(){var k=$('komunikat');function ok(){k.textContent='Numer konta jest w schowku.';}
if(navigator.clipboard&&navigator.clipboard.writeText)navigator.clipboard.writeText(t.konto).then(ok,function(){k.textContent='Nie udało się skopiować numeru konta.';});});
konto.append(kopiuj);wiersz(dl,'Tytuł',n);box.append(h,dl);
if(razem>0n&&typeof qrcode==='function'){var q=qrcode(0,'M'),obraz=document.createElement('div');q.addData(kodQR(t,razem,n));q.make();
obraz.className='qr';obraz.setAttribute('role','img');obraz.setAttribute('aria-label','Kod QR przelewu: zeskanuj go w aplikacji banku, aby wypełnić przelew.');
obraz.innerHTML=q.createSvgTag({cellSize:4,margin:16,scalable:true});box.append(obraz);}}
function akapit(box,t){var p=document.createElement('p');p.textContent=t;box.append(p);}
function podziekuj(wynik,towary,oproznij){var k=koszty(towary),n=numer(),p=wybrane('platnosc'),box=document.createElement('div'),h=document.createElement('h3'),b=document.createElement('button');
box.className='podziekowanie';h.textContent='Dziękujemy! Numer zamówienia: '+n;box.append(h);
if(p==='przelew'&&S.przelew)przelew(box,k.razem,n);
else if(p==='blik')akapit(box,'Zapłać BLIKiem: przelew na telefon '+S.blik+', kwota '+kwota(k.razem)+', w tytule '+n+'.');
else if(p==='pobranie')akapit(box,'Zapłacisz '+kwota(k.razem)+' przy odbiorze przesyłki.');
akapit(box,'Gdy zamówienie jest już wysłane do sklepu, potwierdź to, a koszyk zostanie opróżniony.');
b.type='button';b.id='potwierdz';b.textContent='Zamówienie wysłane – opróżnij koszyk';box.append(b);
b.addEventListener('click',function(){oproznij();nr='';wynik.textContent='';akapit(wynik,'Dziękujemy za zamówienie '+n+'. Koszyk jest pusty.');wynik.focus();});
wynik.prepend(box);}
return {pokaz:pokaz,naZmiane:naZmiane,bledy:bledy,temat:temat,tekst:tekst,podziekuj:podziekuj,kodQR:kodQR};})();
)JS";
}

} // namespace targello
