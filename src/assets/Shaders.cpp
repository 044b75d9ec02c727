#include "assets/Shaders.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <new>
#include <string>

#include "assets/DataReport.h"
#include "core/Geometry.h"

namespace {

// What the game loses without each program, for the start-up report.
const char* const programUsers[] = {"the engine flame", "wormholes", "trails"};
const size_t programsNeeded = sizeof(programUsers) / sizeof(programUsers[0]);

std::string shaderFileName(int number, const char* extension) {
    return "shader" + toString(static_cast<float>(number)) + extension;
}

// Shader sources past this size are not a shader someone wrote.
const long largestSource = 1000000;

std::string infoLog(GLuint object, bool isProgram) {
    GLchar log[1024];
    GLsizei length = 0;
    if (isProgram) {
        glGetProgramInfoLog(object, sizeof(log), &length, log);
    } else {
        glGetShaderInfoLog(object, sizeof(log), &length, log);
    }
    return std::string(log, static_cast<size_t>(length));
}

void printInfoLog(const char* label, GLuint object, bool isProgram) {
    std::string log = infoLog(object, isProgram);
    if (!log.empty()) {
        std::cout << label << log << std::endl;
    }
}

// The log as the tail of a one-line report.
std::string logTail(GLuint object, bool isProgram) {
    std::string text = infoLog(object, isProgram);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

bool startsIdentifier(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool insideIdentifier(char c) { return startsIdentifier(c) || std::isdigit(static_cast<unsigned char>(c)); }

// The outputs only the other stage has. The driver crashes linking a pair
// whose stages use each other's (two files swapped), so such a source never
// reaches it.
std::vector<std::string> otherStageOutputs(GLenum stage) {
    if (stage == GL_VERTEX_SHADER) return {"gl_FragColor", "gl_FragData"};
    return {"gl_Position"};
}

struct Mention {
    std::string name;
    int line = 0;
};

// The first of `names` used as an identifier outside comments.
Mention firstMention(const char* source, const std::vector<std::string>& names) {
    int line = 1;
    for (const char* c = source; *c;) {
        if (c[0] == '/' && c[1] == '/') {
            while (*c && *c != '\n') ++c;
        } else if (c[0] == '/' && c[1] == '*') {
            for (c += 2; *c && !(c[0] == '*' && c[1] == '/'); ++c) line += *c == '\n';
            if (*c) c += 2;
        } else if (startsIdentifier(*c)) {
            const char* start = c;
            while (insideIdentifier(*c)) ++c;
            std::string word(start, static_cast<size_t>(c - start));
            for (const std::string& name : names) {
                if (word == name) return Mention{name, line};
            }
        } else {
            line += *c == '\n';
            ++c;
        }
    }
    return Mention{};
}

// Compiles one stage; a failure is told once, with the file and the log, in
// place of the info log line.
bool compile(GLuint shader, const char* source, const std::string& file, const char* label, int program) {
    GLint stage = 0;
    glGetShaderiv(shader, GL_SHADER_TYPE, &stage);
    Mention wrong = firstMention(source, otherStageOutputs(static_cast<GLenum>(stage)));
    if (!wrong.name.empty()) {
        const char* owner = stage == GL_VERTEX_SHADER ? "fragment" : "vertex";
        std::cout << file << " line " << wrong.line << ": " << wrong.name << " belongs in a " << owner
                  << " shader (are the .vs and .fs files swapped?), so shader program " << program
                  << " is switched off" << std::endl;
        DataReport::noteProblem();
        return false;
    }
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint status = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status != GL_TRUE) {
        std::cout << file << " does not compile, so shader program " << program
                  << " is switched off: " << logTail(shader, false) << std::endl;
        DataReport::noteProblem();
        return false;
    }
    printInfoLog(label, shader, false);
    return true;
}

// The uniforms the game sets and the type it sets them as: a program that
// declares one otherwise would raise a GL error on every frame.
struct GameUniform {
    const char* name;
    GLenum type;
    const char* typeName;
};
const GameUniform gameUniforms[] = {
    {"time_0_X", GL_FLOAT, "float"},
    {"particleHCthrust", GL_FLOAT, "float"},
    {"particleSystemHeight", GL_FLOAT, "float"},
    {"Flame", GL_SAMPLER_2D, "sampler2D"},
};

// "" when every game uniform the program declares has the game's type.
std::string uniformMismatch(GLuint program) {
    GLint count = 0;
    glGetProgramiv(program, GL_ACTIVE_UNIFORMS, &count);
    for (GLint i = 0; i < count; ++i) {
        GLchar name[256];
        GLsizei length = 0;
        GLint size = 0;
        GLenum type = 0;
        glGetActiveUniform(program, static_cast<GLuint>(i), sizeof(name), &length, &size, &type, name);
        for (const GameUniform& uniform : gameUniforms) {
            if (std::string(name, static_cast<size_t>(length)) == uniform.name && type != uniform.type) {
                return "uniform " + std::string(uniform.name) + " is not a " + uniform.typeName;
            }
        }
    }
    return "";
}

// A program that failed is kept as 0, so the later ones keep their numbers.
GLuint linkProgram(GLuint vertexShader, GLuint fragmentShader, int number) {
    GLuint program = glCreateProgram();
    glAttachShader(program, fragmentShader);
    glAttachShader(program, vertexShader);
    glLinkProgram(program);
    GLint status = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &status);
    std::string fault = status == GL_TRUE ? uniformMismatch(program) : "do not link";
    if (!fault.empty()) {
        std::cout << shaderFileName(number, ".vs") << " and " << shaderFileName(number, ".fs") << ": "
                  << fault << ", so shader program " << number << " is switched off";
        std::cout << (status == GL_TRUE ? "" : ": " + logTail(program, true)) << std::endl;
        DataReport::noteProblem();
        glDeleteProgram(program);
        return 0;
    }
    printInfoLog("Program info log ", program, true);
    return program;
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
    DataReport::noteProblem();
}

// The sources of pair `number`. The list's normal end, both files absent,
// is only said when shaderListEndSaid asks for it.
struct ShaderSources {
    std::unique_ptr<char[]> vertex;
    std::unique_ptr<char[]> fragment;
};

ShaderSources readPair(int number) {
    std::string vertex = shaderFileName(number, ".vs");
    std::string fragment = shaderFileName(number, ".fs");
    std::error_code error;
    if (!shaderListEndSaid && !std::filesystem::exists(vertex, error) && !std::filesystem::exists(fragment, error)) {
        return ShaderSources{};
    }
    return ShaderSources{readEmitter(vertex.c_str()), readEmitter(fragment.c_str())};
}

}  // namespace

bool shaderListEndSaid = true;

std::unique_ptr<char[]> readEmitter(const char* fileName) {
    std::string problem;
    FILE* file = openDataFile(fileName, problem);
    if (!file) {
        reportUnreadable(fileName, problem);
        std::fprintf(stderr, "Can't open file '%s' for reading\n", fileName);
        return nullptr;
    }
    std::fseek(file, 0, SEEK_END);
    long length = std::ftell(file);
    std::printf("File '%s' is %ld long\n", fileName, length);
    std::fflush(stdout);
    std::fseek(file, 0, SEEK_SET);
    if (length > largestSource) {
        std::cout << fileName << ": " << length << " bytes is more than " << largestSource
                  << "; not read" << std::endl;
        DataReport::noteProblem();
        std::fclose(file);
        return nullptr;
    }
    std::unique_ptr<char[]> text(length < 0 ? nullptr : new (std::nothrow) char[length + 1]);
    if (!text) {
        std::fprintf(stderr, "Can't malloc space for '%s'\n", fileName);
        std::fclose(file);
        return nullptr;
    }
    size_t got = std::fread(text.get(), 1, static_cast<size_t>(length), file);
    text[got] = '\0';
    std::fclose(file);
    if (got >= byteOrderMarkLength && std::memcmp(text.get(), byteOrderMark, byteOrderMarkLength) == 0) {
        std::memmove(text.get(), text.get() + byteOrderMarkLength, got - byteOrderMarkLength + 1);
    }
    return text;
}

std::vector<GLuint> readShaders() {
    std::vector<GLuint> programs;
    GLuint vertexShader = glCreateShader(GL_VERTEX_SHADER);
    GLuint fragmentShader = glCreateShader(GL_FRAGMENT_SHADER);
    ShaderSources sources = readPair(0);
    int n = 1;
    while (sources.vertex) {
        if (!sources.fragment) {
            // A half pair would compile an empty fragment stage; stop so every
            // program counted is whole.
            std::cout << "Shader program " << n - 1 << " incomplete: "
                      << shaderFileName(n - 1, ".fs") << " missing" << std::endl;
            DataReport::noteProblem();
            break;
        }
        std::cout << "Reading shader " << n << std::endl;
        int number = n - 1;
        bool compiled =
            compile(vertexShader, sources.vertex.get(), shaderFileName(number, ".vs"), "Vertex info log ", number);
        compiled = compile(fragmentShader, sources.fragment.get(), shaderFileName(number, ".fs"),
                           "Fragment info log ", number) &&
                   compiled;
        sources = ShaderSources{};
        programs.push_back(compiled ? linkProgram(vertexShader, fragmentShader, number) : 0);

        sources = readPair(n);
        ++n;
    }
    // Flagged for deletion: freed with the last program that holds them.
    glDeleteShader(vertexShader);
    glDeleteShader(fragmentShader);
    std::cout << "Shaders read: " << programs.size() << std::endl;
    reportMissingPrograms(programs.size());
    return programs;
}

bool programReady(size_t number) { return number < shaders.size() && shaders[number] != 0; }
