#include "output/report_delivery.h"

#include <gtest/gtest.h>

namespace sc {
namespace {

struct FakeDevice : PrinterDevice {
    bool printer = false;
    bool works = true;
    int printed = 0;
    std::filesystem::path pdf;
    bool HasDefaultPrinter() const override { return printer; }
    bool PrintOnDefault(const Report&) override { return ++printed, works; }
    bool WritePdf(const Report&, const std::filesystem::path& file) override { return pdf = file, works; }
};

TEST(PrintOrOfferPdf, WithAPrinterPrintsThereAndSaysSoOnlyWhenItFails) {
    FakeDevice device;
    device.printer = true;
    QueuedPrompter boxes;
    EXPECT_TRUE(PrintOrOfferPdf(device, boxes, 0, Report{}, "/races/PROVA001", "CRS001").empty());
    EXPECT_EQ(device.printed, 1);
    EXPECT_TRUE(boxes.shown.empty());
    device.works = false;
    PrintOrOfferPdf(device, boxes, 1, Report{}, "/races/PROVA001", "CRS001");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "No se ha podido imprimir; compruebe la impresora y vuelva a intentarlo.");
    EXPECT_TRUE(device.pdf.empty());
}

TEST(PrintOrOfferPdf, WithoutAPrinterOffersAPdfInTheRaceFolder) {
    FakeDevice device;
    QueuedPrompter boxes;
    boxes.answers = {Button::No};
    EXPECT_TRUE(
        PrintOrOfferPdf(device, boxes, 0, Report{}, "/races/PROVA001", "CRS001_Classificacio_03").empty());
    EXPECT_TRUE(device.pdf.empty());  // declined: nothing written
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].buttons, (std::vector<Button>{Button::Yes, Button::No}));

    boxes.answers = {Button::Yes};
    const auto file =
        PrintOrOfferPdf(device, boxes, 0, Report{}, "/races/PROVA001", "CRS001_Classificacio_03");
    EXPECT_EQ(file, std::filesystem::path("/races/PROVA001/CRS001_Classificacio_03.pdf"));
    EXPECT_EQ(device.pdf, file);
    EXPECT_EQ(boxes.shown.back().text, "S'ha desat l'informe a /races/PROVA001/CRS001_Classificacio_03.pdf");

    device.works = false;  // a write that did not happen is reported at once
    boxes.answers = {Button::Yes};
    EXPECT_TRUE(PrintOrOfferPdf(device, boxes, 0, Report{}, "/races/PROVA001", "X").empty());
    EXPECT_EQ(boxes.shown.back().icon, MessageIcon::Exclamation);
    EXPECT_NE(boxes.shown.back().text.find("/races/PROVA001/X.pdf"), std::string::npos);
}

}  // namespace
}  // namespace sc
