#version 120
// Wormhole swirl. Each quad is one particle (z = its fraction in [0, 1)):
// it enters at the rim of the capture disc on one of three arms and spirals
// in to the centre while the whole pattern turns.

uniform float time_0_X;              // seconds
uniform float particleSystemHeight;  // capture radius in game units

varying vec2 texCoord;
varying vec4 tint;

const float fallSeconds = 5.0;  // rim to centre
const float arms = 3.0;
const float twist = 4.5;        // radians an arm winds from rim to centre
const float spin = 0.5;         // radians per second the pattern turns

float hash(float n) {
    return fract(sin(n * 127.1 + 11.7) * 43758.5453);
}

void main() {
    float id = gl_Vertex.z * 991.0;
    float rim = max(particleSystemHeight, 1.0);

    float age = fract(time_0_X / (fallSeconds * (0.8 + 0.4 * hash(id + 2.0))) + hash(id));
    // Ease in: slow at the rim, quick at the end, as if falling in.
    float radius = rim * (1.0 - age * age * 0.4 - age * 0.6) * (0.9 + 0.1 * hash(id + 4.0));
    // One particle in five drifts between the arms as a faint haze.
    float pick = hash(id + 1.0);
    float arm = pick < 0.8 ? floor(pick / 0.8 * arms) * 6.2832 / arms : pick * 40.0;
    float scatter = (hash(id + 6.0) - 0.5) * 0.6;
    float angle = arm + scatter + twist * age + spin * time_0_X;
    vec2 centre = radius * vec2(cos(angle), sin(angle));

    float size = rim * mix(0.1, 0.035, age);
    vec4 world = vec4(centre + gl_Vertex.xy * size, 0.0, 1.0);
    gl_Position = gl_ModelViewProjectionMatrix * world;
    texCoord = gl_Vertex.xy * 0.5 + 0.5;

    vec3 blue = vec3(0.25, 0.4, 1.0);
    vec3 violet = vec3(0.7, 0.3, 1.0);
    vec3 white = vec3(0.85, 0.8, 1.0);
    vec3 colour = mix(mix(blue, violet, hash(id + 3.0)), white, age * age);
    // Fade in at the rim, out before the centre, so the eye stays dark.
    float fade = smoothstep(0.0, 0.2, age) * (1.0 - smoothstep(0.8, 1.0, age));
    tint = vec4(colour, fade * (pick < 0.8 ? 0.35 : 0.2));
}
