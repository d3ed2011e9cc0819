#include <gtest/gtest.h>

#include "quelvort/error.h"

TEST(Error, LocationPrefixStyles) {
    const rt::Error original(3021, "SQLite", "No current record.", "ayuda.chm", 7);
    struct Case {
        rt::Error result;
        std::string description;
        bool keepsHelp;
    };
    const Case cases[] = {
        {rt::WithLocationLineBefore(original, "cDeclarante.Cargar"),
         "cDeclarante.Cargar\r\nNo current record.", false},
        {rt::WithLocationLineAfter(original, "General.Main"), "General.MainNo current record.\r\n",
         false},
        {rt::WithLocationBlank(original, "cDeclarado.GuardarDeclarado"),
         "cDeclarado.GuardarDeclarado No current record.", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.result.Description, c.description);
        EXPECT_EQ(c.result.Number, 3021);
        EXPECT_EQ(c.result.Source, "SQLite");
        EXPECT_EQ(c.result.HelpFile, c.keepsHelp ? "ayuda.chm" : "");
        EXPECT_EQ(c.result.HelpContext, c.keepsHelp ? 7 : 0);
    }
}

TEST(Error, NestedLocationsReadOutermostFirst) {
    rt::Error e(5, "Quelvo", "fallo");
    e = rt::WithLocationLineBefore(e, "cInterior.Metodo");
    e = rt::WithLocationLineAfter(e, "frmVentana.Form_Load");
    EXPECT_EQ(e.Description, "frmVentana.Form_LoadcInterior.Metodo\r\nfallo\r\n");
}

TEST(Error, RuntimeNumbersCarryTheirTexts) {
    EXPECT_EQ(rt::Error::Runtime(6).Description, "Overflow");
    EXPECT_EQ(rt::Error::Runtime(13).Description, "Type mismatch");
    EXPECT_EQ(rt::Error::Runtime(429).Description, "ActiveX component can't create object");
}
