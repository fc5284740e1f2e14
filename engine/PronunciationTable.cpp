#include "engine/PronunciationTable.h"

#include "core/CodePage.h"

namespace vokadlo {

// Spaces inside a row are part of it: "anti " only matches a word followed by a space.
const std::array<const char*, kPronunciationRowCount> kPronunciationRows = {
    "chip=\xE8ip",         // chip=čip
    "@=zavin\xE1\xE8",     // @=zavináč
    "vdm=v\xE9 d\xE9 em",  // vdm=vé dé em
    "coda=koda",
    "\xE8p=\xE8\xE9 p\xE9",    // čp=čé pé
    "\xE8.p.=\xE8\xE9 p\xE9",  // č.p.=čé pé
    "x=ks",
    "gprs=d\x9E\xEDp\xED"
    "eres",  // gprs=džípíeres
    "hscsd=h\xE1"
    "esc\xE9"
    "esd\xE9",  // hscsd=háescéesdé
    "ericsson=erikson",
    "\xE8r =\xE8\xE9 er",    // čr =čé er
    "cs =c\xE9 es",          // cs =cé es
    "k\xE8=K\xE1 \xE8\xE9",  // kč=Ká čé
    "TV =t\xFDv\xED",        // TV =týví
    "zn.=zna\xE8ka",         // zn.=značka
    " nt =en t\xFD",         // " nt =en tý"
    "softwar=Softw\xE9r",    // softwar=Softwér
    "microsoft=Majkrosoft",
    "windows=Windous",
    "voice=vois",
    "k\xE8=k\xE1 \xE8\xE9",  // kč=ká čé
    "tzv.=takzv.",
    "dx=d\xE9 iks",  // dx=dé iks
    "%=procent",
    "mb =mega bajtu",
    "dph=d\xE9p\xE9h\xE1",    // dph=dépéhá
    "speech=sp\xED\xE8",      // speech=spíč
    "engine=End\x9Ein",       // engine=Endžin
    "computer=kompj\xF9ter",  // computer=kompjůter
    "enterprise=entrprajs",
    "client=klient",
    "server=servr",
    "peer=p\xEDr",                // peer=pír
    "local=lok\xE1l",             // local=lokál
    "sql=es kv\xE9 el",           // sql=es kvé el
    "oracle=or\xE1kl",            // oracle=orákl
    "www=v\xE9v\xE9v\xE9",        // www=vévévé
    "http=h\xE1t\xE9t\xE9p\xE9",  // http=hátétépé
    ".cz=.c\xE9zet",              // .cz=.cézet
    "sbd=es b\xE9 d\xE9",         // sbd=es bé dé
    "pbh=p\xE9 b\xE9 h\xE1",      // pbh=pé bé há
    "s.r.o.=es er \xF3",          // s.r.o.=es er ó
    "s.p.=es p\xE9",              // s.p.=es pé
    "technic=technyc",
    "statistik=statystyk",
    "anti =anty ",
    "ia=ya",
    "ie=ye",
    "io=yo",
    "iu=yu",
    "ist=yst",
    "ism=ysm",
    "ibil=ybil",
    "if=yf",
    "dig=dyg",
    "dich=dych",
    "dik=dyk",
    "edit=edyt",
    "ini=iny",
    "inyc=inic",
    "nick=nyck",
    "atik=atyk",
    "etik=etyk",
    "itik=ytyk",
    "otik=otyk",
    "utik=utyk",
    "anik=anyk",
    "enik=enyk",
    "inik=ynyk",
    "onik=onyk",
    "unik=unyk",
    "adik=adyk",
    "edik=edyk",
    "idik=ydyk",
    "odik=odyk",
    "udik=udyk",
    "tiv=tyv",
    "tir=tyr",
    "ph=f",
    "tiz=tyz",
    "tick=tyck",
    "tip=typ",
    "ia=ija",
    "engin=en\x9Ein",  // engin=enžin
    "czech=\xE8"
    "ek",  // czech=ček
    "speed=sp\xED"
    "d",  // speed=spíd
    "control=kontrol",
    "odinsta=od insta",
    "tts=t\xFDt\xFD"
    "es",           // tts=týtýes
    "free=fr\xFD",  // free=frý
    "back=bek",
    "space=spejs",
    "delete=dyl\xEDt",  // delete=dylít
    "home=houm",
    "shift=\x9Aift",  // shift=šift
    "caps=kaps",
    "lock=lok",
    "ctrl=kontrol",
    "enter=entr",
    "f10=efdeset",
    "f11=efjeden\xE1"
    "ct",  // f11=efjedenáct
    "f12=efdvan\xE1"
    "ct",  // f12=efdvanáct
    "f1=efjedna",
    "f2=efdva",
    "f3=eft\xF8i",       // f3=eftři
    "f4=ef\xE8ty\xF8i",  // f4=efčtyři
    "f5=efpjet",
    "f6=ef\x9A"
    "est",  // f6=efšest
    "f7=efsedum",
    "f8=efosum",
    "f9=efdevjet",
    "ii=iji",
    "ei=aj",
    "i\xE1=ij\xE1",  // iá=ijá
    "ie=ije",
    "v\xEC=vje",     // vě=vje
    "b\xEC=bje",     // bě=bje
    "m\xEC=mn\xEC",  // mě=mně
};

std::vector<std::string> LowerCasedPronunciationRows() {
    std::vector<std::string> rows;
    rows.reserve(kPronunciationRows.size());
    for (const char* row : kPronunciationRows) {
        rows.push_back(LowerCase(row));
    }
    return rows;
}

}  // namespace vokadlo
