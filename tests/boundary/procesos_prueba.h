#pragma once
// Other processes on the same user database: a child running proceso_datos,
// and a submission file of many declarants made from the lines of a fixture.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "importacion_prueba.h"
#include "quelvort/strings.h"
#include "quelvort/textfile.h"

namespace prueba {

// A running proceso_datos; killed and reaped when dropped.
class Hijo {
public:
    Hijo(const std::vector<std::string>& argumentos, const std::string& errores)
        : errores_(errores) {
        // Everything the child needs is made before the fork: after it, the
        // child only calls what is safe in a copy of a process.
        std::string programa = std::string(QUELVO_BIN_DIR) + "/proceso_datos";
        std::vector<std::string> copia = argumentos;
        std::vector<char*> argv{programa.data()};
        for (auto& a : copia) argv.push_back(a.data());
        argv.push_back(nullptr);
        int tubo[2];
        if (pipe(tubo) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(tubo[1], STDOUT_FILENO);
            int fd = open(errores.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (fd >= 0) dup2(fd, STDERR_FILENO);
            close(tubo[0]);
            execv(programa.c_str(), argv.data());
            _exit(127);
        }
        close(tubo[1]);
        salida_ = tubo[0];
    }
    ~Hijo() {
        if (pid_ > 0 && !terminado_) {
            kill(pid_, SIGKILL);
            Esperar();
        }
        if (salida_ >= 0) close(salida_);
    }
    Hijo(const Hijo&) = delete;
    Hijo& operator=(const Hijo&) = delete;

    bool Lanzado() const { return pid_ > 0 && salida_ >= 0; }

    // Waits (10 s at most) until the child writes its "listo" line.
    bool Listo() {
        std::string leido;
        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (leido.find("listo\n") == std::string::npos) {
            const auto queda = std::chrono::duration_cast<std::chrono::milliseconds>(
                limite - std::chrono::steady_clock::now());
            if (queda.count() <= 0) return false;
            pollfd p{salida_, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(queda.count())) <= 0) return false;
            char bloque[64];
            ssize_t n = read(salida_, bloque, sizeof bloque);
            if (n <= 0) return false;
            leido.append(bloque, static_cast<size_t>(n));
        }
        return true;
    }

    void Matar() { kill(pid_, SIGKILL); }

    // The exit code; -1 when the child was ended by a signal.
    int Esperar() {
        int estado = 0;
        while (waitpid(pid_, &estado, 0) < 0 && errno == EINTR) {
        }
        terminado_ = true;
        return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    }

    std::string Errores() const {
        std::stringstream s;
        s << std::ifstream(errores_).rdbuf();
        return s.str();
    }

private:
    std::string errores_;
    pid_t pid_ = -1;
    int salida_ = -1;
    bool terminado_ = false;
};

// A submission file of `declarantes` declarations (third quarter of 2011),
// each of a declarant of its own with `entradas` entries of distinct VAT
// numbers; made from the lines of soporte_2011.txt.
struct Soporte {
    std::vector<std::string> nifs;                             // per record 1
    std::vector<std::pair<std::string, std::string>> entradas;  // declarant, VAT number
    int32_t lineas = 0;
};

inline std::string DniConLetra(int32_t numero) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%08d%c", numero, "TRWAGMYFPDXBNJZSQVHLCKE"[numero % 23]);
    return texto;
}

inline Soporte EscribirSoporte(const std::string& ruta, int32_t declarantes, int32_t entradas) {
    const auto plantilla = rt::ReadAllLines(Fixture("soporte_2011.txt"));
    const std::string& registro0 = plantilla.at(0);
    const std::string& registro1 = plantilla.at(1);
    const std::string& registro2 = plantilla.at(3);  // key H, a German VAT number
    Soporte s;
    rt::TextFileWriter salida(ruta);
    salida.WriteLine(registro0);
    ++s.lineas;
    for (int32_t d = 0; d < declarantes; ++d) {
        const std::string nif = DniConLetra(20000000 + d);
        s.nifs.push_back(nif);
        // The NIF at 13 to 21 of both records; the VAT digits at 25 to 33.
        salida.WriteLine(rt::Left(registro1, 12) + nif + rt::Mid(registro1, 22));
        ++s.lineas;
        for (int32_t e = 0; e < entradas; ++e) {
            const std::string iva = std::to_string(100000000 + d * entradas + e);
            salida.WriteLine(rt::Left(registro2, 12) + nif + rt::Mid(registro2, 22, 3) + iva +
                             rt::Mid(registro2, 34));
            s.entradas.emplace_back(nif, iva);
            ++s.lineas;
        }
    }
    salida.Commit();
    return s;
}

}  // namespace prueba
