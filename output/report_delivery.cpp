#include "output/report_delivery.h"

#include <array>

namespace sc {

std::string PrintMessage(int16_t language, PrintText text) {
    static constexpr std::array<std::array<const char*, 2>, 6> kTexts = {{
        {"Imprimir", "Imprimir"},
        {"No hi ha cap impressora instal·lada. Voleu desar l'informe en PDF a la carpeta de la prova?",
         "No hay ninguna impresora instalada. ¿Quiere guardar el informe en PDF en la carpeta de la prueba?"},
        {"S'ha desat l'informe a ", "Se ha guardado el informe en "},
        {"No s'ha pogut desar el PDF; comproveu que la carpeta es pot escriure: ",
         "No se ha podido guardar el PDF; compruebe que la carpeta se puede escribir: "},
        {"No s'ha pogut imprimir; comproveu la impressora i torneu-ho a provar.",
         "No se ha podido imprimir; compruebe la impresora y vuelva a intentarlo."},
        {"Desar en PDF...", "Guardar en PDF..."},
    }};
    return kTexts[static_cast<int>(text)][language == 1 ? 1 : 0];
}

std::filesystem::path PrintOrOfferPdf(PrinterDevice& device, Prompter& prompter, int16_t language,
                                      const Report& report, const std::filesystem::path& folder,
                                      const std::string& name) {
    const std::string title = PrintMessage(language, PrintText::Title);
    if (device.HasDefaultPrinter()) {
        if (!device.PrintOnDefault(report))
            prompter.inform(PrintMessage(language, PrintText::PrintFailed), title, MessageIcon::Exclamation);
        return {};
    }
    const Button answer = prompter.ask(MessageBox{PrintMessage(language, PrintText::NoPrinter),
                                                  title,
                                                  {Button::Yes, Button::No},
                                                  Button::Yes,
                                                  MessageIcon::Question});
    if (answer != Button::Yes) return {};
    const std::filesystem::path file = folder / (name + ".pdf");
    if (!device.WritePdf(report, file)) {
        prompter.inform(PrintMessage(language, PrintText::PdfFailed) + file.string(), title,
                        MessageIcon::Exclamation);
        return {};
    }
    prompter.inform(PrintMessage(language, PrintText::Saved) + file.string(), title);
    return file;
}

}  // namespace sc
