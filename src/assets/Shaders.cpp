#include "assets/Shaders.h"

#include <cstdio>
#include <iostream>
#include <new>
#include <string>

#include "core/Geometry.h"

namespace {

// What the game loses without each program, for the start-up report.
const char* const programUsers[] = {"the engine flame", "wormholes", "trails"};
const size_t programsNeeded = sizeof(programUsers) / sizeof(programUsers[0]);

std::string shaderFileName(int number, const char* extension) {
    return "shader" + toString(static_cast<float>(number)) + extension;
}

void printInfoLog(const char* label, GLuint object, bool isProgram) {
    GLchar log[1024];
    GLsizei length = 0;
    if (isProgram) {
        glGetProgramInfoLog(object, sizeof(log), &length, log);
    } else {
        glGetShaderInfoLog(object, sizeof(log), &length, log);
    }
    if (length > 0) {
        std::cout << label << log << std::endl;
    }
}

void compile(GLuint shader, const char* source) {
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
}

// One line naming every program that was not built and what goes undrawn.
void reportMissingPrograms(size_t built) {
    if (built >= programsNeeded) {
        return;
    }
    std::string numbers;
    std::string users;
    for (size_t i = built; i < programsNeeded; ++i) {
        const char* separator = i == built ? "" : (i + 1 == programsNeeded ? " and " : ", ");
        numbers += separator + std::to_string(i);
        users += separator + std::string(programUsers[i]);
    }
    const char* noun = programsNeeded - built == 1 ? "Shader program " : "Shader programs ";
    std::cout << noun << numbers << " missing: " << users << " will not be drawn" << std::endl;
}

}  // namespace

std::unique_ptr<char[]> readEmitter(const char* fileName) {
    FILE* file = std::fopen(fileName, "r");
    if (!file) {
        std::fprintf(stderr, "Can't open file '%s' for reading\n", fileName);
        return nullptr;
    }
    std::fseek(file, 0, SEEK_END);
    long length = std::ftell(file);
    std::printf("File '%s' is %ld long\n", fileName, length);
    std::fflush(stdout);
    std::fseek(file, 0, SEEK_SET);
    std::unique_ptr<char[]> text(length < 0 ? nullptr : new (std::nothrow) char[length + 1]);
    if (!text) {
        std::fprintf(stderr, "Can't malloc space for '%s'\n", fileName);
        std::fclose(file);
        return nullptr;
    }
    size_t got = std::fread(text.get(), 1, static_cast<size_t>(length), file);
    text[got] = '\0';
    std::fclose(file);
    return text;
}

std::vector<GLuint> readShaders() {
    std::vector<GLuint> programs;
    GLuint vertexShader = glCreateShader(GL_VERTEX_SHADER);
    GLuint fragmentShader = glCreateShader(GL_FRAGMENT_SHADER);
    std::unique_ptr<char[]> vertexSource = readEmitter("shader0.vs");
    std::unique_ptr<char[]> fragmentSource = readEmitter("shader0.fs");
    int n = 1;
    while (vertexSource) {
        if (!fragmentSource) {
            // A half pair would compile an empty fragment stage; stop so every
            // program counted is whole.
            std::cout << "Shader program " << n - 1 << " incomplete: "
                      << shaderFileName(n - 1, ".fs") << " missing" << std::endl;
            break;
        }
        std::cout << "Reading shader " << n << std::endl;
        compile(vertexShader, vertexSource.get());
        compile(fragmentShader, fragmentSource.get());
        vertexSource.reset();
        fragmentSource.reset();
        printInfoLog("Vertex info log ", vertexShader, false);
        printInfoLog("Fragment info log ", fragmentShader, false);

        GLuint program = glCreateProgram();
        glAttachShader(program, fragmentShader);
        glAttachShader(program, vertexShader);
        glLinkProgram(program);
        printInfoLog("Program info log ", program, true);
        programs.push_back(program);

        vertexSource = readEmitter(shaderFileName(n, ".vs").c_str());
        fragmentSource = readEmitter(shaderFileName(n, ".fs").c_str());
        ++n;
    }
    std::cout << "Shaders read: " << programs.size() << std::endl;
    reportMissingPrograms(programs.size());
    return programs;
}
