"use strict";
// Starts Tessaline in the page. Before the program runs, the files it reads from its folder are
// fetched from beside this page and laid in that folder of the page's file system, so a school
// that changes items.txt on its server gets it, and a missing one is reported by the program as
// on the desktop. The window is drawn at its own size times one scale, chosen when the page
// loads to fit the browser's window (or ?scale=N), and sharp on dense screens. ?lang=CODE does
// what --lang CODE does on the desktop; otherwise the browser's languages choose.
(function () {
    // The program's folder and file in the page's file system.
    const folder = "/tessaline";
    const program = folder + "/Tessaline";
    const minimumScale = 0.5;
    const params = new URLSearchParams(location.search);

    // The line under the window, in the languages the program speaks.
    const notes = {
        en: "Screen readers get nothing from this page: the game is drawn on a canvas, which " +
            "Qt for the web does not describe to them. The Windows and Linux versions of " +
            "Tessaline speak every move to a screen reader.",
        es: "Los lectores de pantalla no reciben nada de esta página: el juego se dibuja en un " +
            "lienzo que Qt para la web no les describe. Las versiones de Tessaline para " +
            "Windows y Linux leen en voz alta cada jugada.",
        pt: "Os leitores de tela não recebem nada desta página: o jogo é desenhado numa tela " +
            "que o Qt para a web não lhes descreve. As versões do Tessaline para Windows e " +
            "Linux falam cada jogada ao leitor de tela.",
        fr: "Les lecteurs d'écran ne reçoivent rien de cette page : le jeu est dessiné sur un " +
            "canevas que Qt pour le web ne leur décrit pas. Les versions de Tessaline pour " +
            "Windows et Linux annoncent chaque coup au lecteur d'écran.",
        nl: "Schermlezers krijgen niets van deze pagina: het spel wordt getekend op een canvas " +
            "dat Qt voor het web niet voor hen beschrijft. De versies van Tessaline voor " +
            "Windows en Linux spreken elke zet uit via de schermlezer.",
    };
    const language = params.get("lang");
    const wanted = language ? [language] : (navigator.languages || [navigator.language || "en"]);
    let noteLanguage = "en";
    for (const code of wanted) {
        const base = code.toLowerCase().split(/[-_]/)[0];
        if (base in notes) {
            noteLanguage = base;
            break;
        }
    }
    const note = document.getElementById("note");
    note.textContent = notes[noteLanguage];
    note.lang = noteLanguage;

    const status = document.getElementById("status");
    const box = document.getElementById("window");
    const given = parseFloat(params.get("scale"));
    const roomWidth = document.documentElement.clientWidth;
    const roomHeight = window.innerHeight - note.offsetHeight - 16;
    const fit = Math.min(roomWidth / tessalineBuild.width, roomHeight / tessalineBuild.height);
    const scale = given > 0 ? given : Math.max(minimumScale, fit);
    box.style.width = tessalineBuild.width * scale + "px";
    box.style.height = tessalineBuild.height * scale + "px";

    // Qt draws everything at this scale, at the screen's density. ?first-frame has the
    // program report its first painted frame on the console (for bench/web).
    const environment = {QT_SCALE_FACTOR: String(scale)};
    if (params.has("first-frame"))
        environment.TESSALINE_REPORT_FIRST_FRAME = "1";

    // Fetched at once, beside the program's own download; a file the server does not have is
    // left out, as a file missing from the folder.
    const files = Promise.all(tessalineBuild.files.map(function (name) {
        return fetch(name, {cache: "no-cache"}).then(function (response) {
            if (!response.ok)
                return null;
            return response.arrayBuffer().then(function (data) {
                return {name: name, data: new Uint8Array(data)};
            });
        }, function () {
            return null;
        });
    }));

    const canvas = document.getElementById("qtcanvas");
    const loader = QtLoader({
        canvasElements: [canvas],
        environment: environment,
        showLoader: function (state) {
            status.textContent = "Loading Tessaline… " + state;
        },
        showCanvas: function () {
            status.hidden = true;
        },
        showError: function (text) {
            canvas.style.display = "none";
            status.hidden = false;
            status.textContent = "Tessaline cannot run in this browser: " + text;
        },
        showExit: function () {
            canvas.style.display = "none";
            status.hidden = false;
            status.textContent = loader.crashed ? "Tessaline stopped on an error (" +
                loader.exitText + "). Reload the page to play again." :
                "Tessaline has ended. Reload the page to play again.";
        },
    });
    // Qt 6.4's loader keeps the emscripten module's settings on the global object, and adds
    // its own to what is there when it starts the module.
    const module = window.moduleConfig;
    module.thisProgram = program;
    module.arguments = language ? ["--lang", language] : [];
    module.preRun = [function (m) {
        m.addRunDependency("tessaline-files");
        files.then(function (fetched) {
            m.FS.mkdirTree(folder);
            // The program finds its folder through its own file.
            m.FS.writeFile(program, new Uint8Array(0));
            for (const file of fetched) {
                if (!file)
                    continue;
                const slash = file.name.lastIndexOf("/");
                if (slash > 0)
                    m.FS.mkdirTree(folder + "/" + file.name.slice(0, slash));
                m.FS.writeFile(folder + "/" + file.name, file.data);
            }
            m.removeRunDependency("tessaline-files");
        });
    }];
    // For the checks and benchmarks that drive the page.
    window.tessaline = {loader: loader, module: module, scale: scale};
    loader.loadEmscriptenModule("Tessaline");
})();
