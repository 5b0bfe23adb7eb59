#include "core/generator/BasketScript.h"

namespace targello {
namespace {

// The order leaves as "mailto:" + address + "?body=" + the plain-text form
// ("NAME=value" lines, the fields in page order) percent-encoded as UTF-8.
// Browsers that send a text/plain mailto form themselves encode its Polish
// letters twice, so the script builds the body and returns false to keep the
// browser from sending the form as well.
constexpr const char* MailScript =
    R"(function wyslij(b){var f=b.form,t=[],i,x;for(i=0;i<f.elements.length;i++){x=f.elements[i];)"
    R"(if(!x.name||x.disabled)continue;)"
    R"(if(x==b||!/^(button|submit|reset|image|file)$/i.test(x.type)&&(!/^(checkbox|radio)$/i.test(x.type)||x.checked)))"
    R"(t.push(x.name+'='+x.value.replace(/\r?\n/g,'\r\n'));}var a=f.getAttribute('action');)"
    R"(location.href=a+(a.indexOf('?')<0?'?':'&')+'body='+encodeURIComponent(t.join('\r\n'));return false;};)";

} // namespace

std::string BasketScript() {
    std::string script;
    script += R"(<SCRIPT language="JavaScript">)";
    script += "n=new Array(100);";
    script += "il=new Array(100);";
    script += "for(c=0;c<100;c++)il[c]=0;";
    script += "var s=0.00;";
    script += "var c=0.00;";
    script += "var msg;";
    script += "var msg2;";
    script += "function kwota(x){return x.toFixed(2).replace('.',',');};";
    script += "function e(){for(c=0;c<100;c++){il[c]=0;n[0]='';s=0;msg='';msg2='';}};";
    script += "function k(){msg2='';for(c=0;c<100;c++){if(il[c]!=0){msg2+=n[c];";
    script += R"(msg2+=' sztuk ';msg2+=il[c];msg2+='\n';}}msg2+='______________________________';)";
    script += R"(msg2+="\nWartość zamowienia wynosi ";msg2+=kwota(s);msg2+=' PLN';alert(msg2);};)";
    script += MailScript;
    script += "</SCRIPT>";
    return script;
}

} // namespace targello
